// Element-set operations that only other parts of the core use: copies,
// the finite-difference sets and the correction step of orbit determination,
// and the propagator's re-epoching and cloning.
#include <cmath>
#include <string>
#include <vector>

#include "check.h"
#include "elements/tle.h"
#include "propagation/inertial_propagator.h"
#include "saal/saal.h"
#include "saal/tle_interface.h"

using namespace qv;

namespace {

const char* kLine1 = "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927";
const char* kLine2 = "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537";

TLE iss() { return TLE::parse(kLine1, kLine2).value(); }

}  // namespace

TEST(tle_copy_has_its_own_key_and_release_removes_it) {
  const int before = tle_interface::count_loaded();
  {
    const TLE a = iss();
    const TLE b = a.copy();
    CHECK(a.key() != b.key() && a.key() > 0 && b.key() > 0);
    CHECK(a.id() == b.id());
    CHECK(tle_interface::count_loaded() == before + 2);
  }
  CHECK(tle_interface::count_loaded() == before);
}

TEST(tle_perturbed_sets_have_the_documented_steps_and_order) {
  const TLE tle = iss();
  const int before = tle_interface::count_loaded();
  auto plain = tle.build_perturbed(false, false);
  CHECK(plain.ok());
  CHECK(plain->size() == 6);
  const double steps[] = {1e-6, 1e-6, 1e-6, 1e-6, 1e-8, 1e-6};
  const auto base = tle.equinoctial_at_epoch();
  for (std::size_t k = 0; k < plain->size(); ++k) {
    CHECK((*plain)[k].second == steps[k]);
    // Only element k moves, by its step (up to the Keplerian round trip).
    const auto moved = (*plain)[k].first.equinoctial_at_epoch();
    for (std::size_t j = 0; j < 5; ++j) {
      CHECK_NEAR(moved[j] - base[j], j == k ? steps[k] : 0.0, 1e-10);
    }
  }
  CHECK(tle_interface::count_loaded() == before + 6);
  auto both = tle.build_perturbed(true, true);
  CHECK(both.ok() && both->size() == 8);
  CHECK((*both)[6].second == 1e-4 && (*both)[7].second == 1e-4);
  CHECK_NEAR((*both)[6].first.force_properties().drag_coefficient -
                 tle.force_properties().drag_coefficient, 1e-4, 1e-15);
  CHECK_NEAR((*both)[7].first.force_properties().srp_coefficient -
                 tle.force_properties().srp_coefficient, 1e-4, 1e-15);
}

TEST(tle_correction_step_routes_the_force_entries) {
  const TLE tle = iss();
  const std::vector<double> seven{0, 0, 0, 0, 0, 0, 0.5};
  auto srp_only = tle.new_with_delta_x(seven, false, true);
  CHECK(srp_only.ok());
  CHECK_NEAR(srp_only->force_properties().srp_coefficient, 0.5, 1e-15);
  CHECK(srp_only->force_properties().drag_coefficient ==
        tle.force_properties().drag_coefficient);
  auto both = tle.new_with_delta_x({0, 0, 0, 0, 0, 0, 0.25, 0.75}, true, true);
  CHECK(both.ok());
  CHECK_NEAR(both->force_properties().drag_coefficient -
                 tle.force_properties().drag_coefficient, 0.25, 1e-15);
  CHECK_NEAR(both->force_properties().srp_coefficient, 0.75, 1e-15);
  // Zero corrections give back the set's own mean elements.
  CHECK_NEAR(both->keplerian_state().elements.eccentricity,
             tle.keplerian_state().elements.eccentricity, 1e-12);
  bool faulted = false;
  try {
    (void)tle.new_with_delta_x({0, 0, 0, 0, 0, 0}, true, false);
  } catch (const TleFault& fault) {
    faulted = std::string(fault.what()) == "Matrix index out of bounds.";
  }
  CHECK(faulted);
}

TEST(propagator_step_to_epoch_replaces_the_set_and_keeps_the_state) {
  auto propagator = InertialPropagator::from_tle(iss());
  const std::int64_t old_key = propagator.tle().key();
  const Epoch target{propagator.tle().epoch().days_since_1950 + 1.5, TimeSystem::UTC};
  const auto expected = propagator.get_cartesian_state_at_epoch(target);
  CHECK(propagator.step_to_epoch(target.days_since_1950).ok());
  CHECK(propagator.tle().key() != old_key);
  CHECK_NEAR(propagator.tle().epoch().days_since_1950, target.days_since_1950, 1e-8);
  const auto moved = propagator.get_cartesian_state_at_epoch(target);
  CHECK(moved.has_value());
  // The re-epoched lines hold the state to the text's precision.
  CHECK(std::hypot(moved->position.x - expected->position.x,
                   moved->position.y - expected->position.y,
                   moved->position.z - expected->position.z) < 0.05);
  const auto clone = propagator.clone_at_epoch(target);
  CHECK(clone.ok());
  CHECK(clone->tle().epoch().days_since_1950 == target.days_since_1950);
}

TEST(propagator_batch_refused_as_a_whole_gives_no_states) {
  auto propagator = InertialPropagator::from_tle(iss());
  const Epoch epoch = propagator.tle().epoch();
  CHECK(propagator.get_cartesian_states_at_epochs({epoch, epoch})[0].has_value());
  // The layer then refuses the key outright and flags no single entry.
  CHECK(saal::Sgp4RemoveSat(propagator.tle().key()) == 0);
  for (const auto& state : propagator.get_cartesian_states_at_epochs({epoch, epoch})) {
    CHECK(!state.has_value());
  }
}
