// A satellite's copies, re-epochs, rebuilds and orbit-determination copies
// leave both the element-set and the SGP4 tables as they found them.
#include <vector>

#include "bodies/satellite.h"
#include "check.h"
#include "saal/saal.h"

using namespace qv;

namespace {

constexpr double kDay0 = 27029.5;

Satellite leo() {
  // The extension selects this mode when it loads: copies of one element set
  // are loaded side by side.
  saal::SetAllKeyMode(1);
  auto tle = TLE::from_lines("1 90001U          24001.50000000  .00000000  00000-0  10000-3 0    09",
                             "2 90001  51.6000 247.0000 0005000 130.0000 325.0000 15.50000000    07",
                             std::nullopt);
  CHECK(tle.ok());
  return Satellite::from_tle(std::move(tle).value());
}

}  // namespace

TEST(satellite_keys_return_to_their_counts) {
  const int tles = saal::TleGetCount();
  const int sgp4 = saal::Sgp4GetCount();
  {
    Satellite a = leo();
    Satellite b = a;
    b = a;
    CHECK(saal::TleGetCount() == tles + 2 && saal::Sgp4GetCount() == sgp4 + 2);
    CHECK(b.id() == a.id() && b.propagator()->tle().key() != a.propagator()->tle().key());
    CHECK(a.step_to_epoch(kDay0 + 1.0).ok());
    KeplerianState mean = *a.keplerian_state();
    mean.keplerian_type = KeplerianType::MeanBrouwerGP;
    CHECK(a.set_keplerian_state(mean).ok());
    CHECK(a.set_force_properties(ForceProperties::satellite_default()).ok());
    auto clone = a.clone_at_epoch(Epoch{kDay0 + 2.0, TimeSystem::UTC});
    auto corrected = a.new_with_delta_x(std::vector<double>(8, 0.0), true, true);
    auto perturbed = a.build_perturbed_satellites(true, true);
    CHECK(clone.ok() && corrected.ok() && perturbed.ok() && perturbed->size() == 8);
    CHECK(saal::TleGetCount() == tles + 12 && saal::Sgp4GetCount() == sgp4 + 12);
  }
  CHECK(saal::TleGetCount() == tles);
  CHECK(saal::Sgp4GetCount() == sgp4);
}

TEST(satellite_copies_share_the_cached_ephemeris) {
  Satellite a = leo();
  const Epoch start{kDay0, TimeSystem::UTC}, end{kDay0 + 0.1, TimeSystem::UTC};
  auto built = a.get_ephemeris(start, end, TimeSpan{10.0 / 1440.0}).value();
  CHECK(built && (*built)->number_of_states() == 15);  // 0, 10, ..., 140 min
  Satellite b = a;
  auto cached = b.get_ephemeris(start, end, TimeSpan{10.0 / 1440.0}).value();
  CHECK(cached && cached->get() == built->get());
  auto clone = a.clone_at_epoch(Epoch{kDay0 + 0.5, TimeSystem::UTC});
  CHECK(clone.ok() && clone->ephemeris_cache_key() == a.ephemeris_cache_key());
}

TEST(satellite_without_propagator_reports_it) {
  Satellite bare;
  CHECK(bare.clone_at_epoch(Epoch{kDay0, TimeSystem::UTC}).message() ==
        "Inertial propagator is not set");
  CHECK(bare.new_with_delta_x(std::vector<double>(6, 0.0), false, false).message() ==
        "Inertial propagator is not set");
  CHECK(bare.build_perturbed_satellites(false, false).message() ==
        "Inertial propagator is not set");
}
