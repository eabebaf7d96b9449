// Insertion, grid upkeep, lookup and cache keys of the ephemeris table.
#include <cmath>
#include <memory>
#include <string>

#include "check.h"
#include "elements/ephemeris.h"

using namespace qv;

namespace {

constexpr double kDay0 = 27000.0;
constexpr double kMinute = 1.0 / 1440.0;

// Straight-line motion at 7.5 km/s along y: Hermite reproduces it exactly.
CartesianState linear_state(double day, TimeSystem system = TimeSystem::UTC) {
  const double t = (day - kDay0) * 86400.0;
  return CartesianState{Epoch{day, system}, {7000.0, 7.5 * t, 0.0}, {0.0, 7.5, 0.0},
                        ReferenceFrame::TEME};
}

std::shared_ptr<EphemerisHandle> table_at_minutes(std::initializer_list<double> minutes) {
  auto it = minutes.begin();
  auto handle = EphemerisHandle::create("sat", std::nullopt, linear_state(kDay0 + *it * kMinute));
  CHECK(handle.ok());
  for (++it; it != minutes.end(); ++it) {
    CHECK(handle.value()->add_state(linear_state(kDay0 + *it * kMinute)).ok());
  }
  return handle.value();
}

bool uniform(const EphemerisHandle& h) { return h.read().grid().is_uniform; }

}  // namespace

TEST(ephemeris_insertion_keeps_time_order_and_replaces_close_epochs) {
  auto h = table_at_minutes({2, 0, 3, 1});
  CHECK(h->number_of_states() == 4);
  const auto reader = h->read();
  for (std::size_t i = 0; i < 4; ++i) {
    CHECK_NEAR(reader.states()[i].epoch.days_since_1950, kDay0 + i * kMinute, 1e-12);
  }
}

TEST(ephemeris_state_within_tolerance_replaces_the_stored_one) {
  auto h = table_at_minutes({0, 1, 2});
  CartesianState moved = linear_state(kDay0 + kMinute + 5e-11);
  moved.position.x = 1.0;
  CHECK(h->add_state(moved).ok());
  CHECK(h->number_of_states() == 3);
  auto got = h->get_state_at_epoch(Epoch{kDay0 + kMinute, TimeSystem::UTC});
  CHECK(got && got->position.x == 1.0 && got->epoch.days_since_1950 == kDay0 + kMinute + 5e-11);
  CHECK(uniform(*h));
}

TEST(ephemeris_grid_turns_non_uniform_for_good) {
  auto h = table_at_minutes({0, 1, 2, 3});
  CHECK(uniform(*h));
  CHECK_NEAR(*h->read().grid().step_seconds, 60.0, 1e-6);
  const auto before = [&] {
    std::vector<CartesianState> out;
    for (int k = 0; k <= 6; ++k) {
      out.push_back(*h->get_state_at_epoch(Epoch{kDay0 + k * 0.5 * kMinute, TimeSystem::UTC}));
    }
    return out;
  }();
  CHECK(h->add_state(linear_state(kDay0 + 0.5 * kMinute)).ok());
  CHECK(!uniform(*h));
  CHECK(h->add_state(linear_state(kDay0 + 4 * kMinute)).ok());
  CHECK(!uniform(*h));
  // The search path gives the stored entries and the same interpolation.
  for (int k = 0; k <= 6; ++k) {
    auto got = h->get_state_at_epoch(Epoch{kDay0 + k * 0.5 * kMinute, TimeSystem::UTC});
    CHECK(got);
    CHECK_NEAR(got->position.y, before[k].position.y, 1e-6);
    CHECK(got->epoch.days_since_1950 == before[k].epoch.days_since_1950);
  }
}

TEST(ephemeris_grid_notices_a_gap_at_the_end_and_inside) {
  CHECK(!uniform(*table_at_minutes({0, 1, 3})));
  CHECK(!uniform(*table_at_minutes({0, 2, 3})));
  CHECK(uniform(*table_at_minutes({3, 2, 1, 0})));
  // The step is fixed by the first two states: 1 and 3 give 120 s, and 2
  // then leaves a 60 s pair.
  CHECK(!uniform(*table_at_minutes({3, 1, 2, 0})));
}

TEST(ephemeris_lookup_edges) {
  auto one = table_at_minutes({5});
  auto got = one->get_state_at_epoch(Epoch{kDay0 + 100.0, TimeSystem::TAI});
  CHECK(got && got->epoch.days_since_1950 == kDay0 + 5 * kMinute &&
        got->epoch.time_system == TimeSystem::UTC);

  auto h = table_at_minutes({0, 1, 2});
  auto before = h->get_state_at_epoch(Epoch{kDay0 - 1.0, TimeSystem::UTC});
  CHECK(before && before->epoch.days_since_1950 == kDay0);
  auto after = h->get_state_at_epoch(Epoch{kDay0 + 1.0, TimeSystem::UTC});
  CHECK(after && after->epoch.days_since_1950 == kDay0 + 2 * kMinute);
  auto near = h->get_state_at_epoch(Epoch{kDay0 + kMinute + 4e-11, TimeSystem::UTC});
  CHECK(near && near->epoch.days_since_1950 == kDay0 + kMinute);

  // Midpoint of equal velocities v and positions p, p + vT: p + vT/2, v.
  auto mid = h->get_state_at_epoch(Epoch{kDay0 + 1.5 * kMinute, TimeSystem::TAI});
  CHECK(mid && mid->epoch.time_system == TimeSystem::TAI && mid->frame == ReferenceFrame::TEME);
  CHECK(mid->epoch.days_since_1950 == kDay0 + 1.5 * kMinute);
  CHECK_NEAR(mid->position.y, 7.5 * 90.0, 1e-5);
  CHECK_NEAR(mid->velocity.y, 7.5, 1e-7);
  CHECK_NEAR(mid->position.x, 7000.0, 1e-9);
}

TEST(ephemeris_hermite_of_coincident_entries_copies_the_first) {
  const CartesianState a = linear_state(kDay0);
  CartesianState b = a;
  b.position.x = 1.0;
  const CartesianState got = hermite_interpolate(a, b, TimeSystem::TAI, kDay0 + 1.0);
  CHECK(got.position.x == a.position.x && got.epoch.days_since_1950 == kDay0);
}

TEST(ephemeris_refuses_non_finite_states) {
  CartesianState bad = linear_state(kDay0);
  bad.velocity.z = NAN;
  CHECK(!EphemerisHandle::create("sat", 5, bad).ok());
  auto h = table_at_minutes({0});
  CartesianState no_epoch = linear_state(kDay0);
  no_epoch.epoch.days_since_1950 = NAN;
  CHECK(!h->add_state(no_epoch).ok());
  CHECK(h->number_of_states() == 1);
}

TEST(ephemeris_states_of_another_time_system_are_compared_after_conversion) {
  auto h = EphemerisHandle::create("sat", 7, linear_state(kDay0)).value();
  // The same instant one minute later, tagged TAI (37 s ahead of UTC).
  const double tai_day = kDay0 + kMinute + 37.0 / 86400.0;
  CHECK(h->add_state(linear_state(tai_day, TimeSystem::TAI)).ok());
  CHECK_NEAR(*h->read().grid().step_seconds, 60.0, 1e-3);
  CHECK(h->norad_id() == 7);
}

TEST(ephemeris_ids_are_uuids_and_norad_defaults_to_99999) {
  auto a = table_at_minutes({0});
  auto b = table_at_minutes({0});
  CHECK(a->id() != b->id() && a->id().size() == 36 && a->id()[14] == '4');
  CHECK(a->norad_id() == 99999 && a->satellite_id() == "sat");
}

TEST(ephemeris_cache_keys) {
  const double start = 27029.0;  // 2024-01-01 00:00 UTC
  CHECK(construct_ephemeris_id(start, start + 1.0, kMinute).value() ==
        "2024-01-01T00:00:00.000_2024-01-02T00:00:00.000_0060");
  CHECK(construct_ephemeris_id(start, start + 0.25, 300.0 / 86400.0).value() ==
        "2024-01-01T00:00:00.000_2024-01-01T06:00:00.000_0300");
  const std::string day_step = construct_ephemeris_id(start, start + 1.0, 1.0).value();
  CHECK(day_step.substr(day_step.size() - 6) == "_86400");
  const std::string half = construct_ephemeris_id(start, start + 1.0, 0.5 / 86400.0).value();
  CHECK(half.substr(half.size() - 5) == "_00.5");
  CHECK(!construct_ephemeris_id(NAN, start, kMinute).ok());
}
