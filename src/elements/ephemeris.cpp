#include "elements/ephemeris.h"

#include <cmath>
#include <limits>

#include "elements/ephemeris_search.h"
#include "lib/uuid.h"

namespace qv {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kGridToleranceSeconds = kEpochToleranceDays * kSecondsPerDay;

bool is_finite(const CartesianState& s) {
  return std::isfinite(s.epoch.days_since_1950) && std::isfinite(s.position.x) &&
         std::isfinite(s.position.y) && std::isfinite(s.position.z) &&
         std::isfinite(s.velocity.x) && std::isfinite(s.velocity.y) &&
         std::isfinite(s.velocity.z);
}

Result<CartesianState> checked_teme(const CartesianState& state) {
  if (!is_finite(state)) {
    return fail("Ephemeris states need a finite epoch, position and velocity");
  }
  return state.to_frame(ReferenceFrame::TEME);
}

// Seconds from `earlier` to `later`, read in the later entry's system.
Result<double> seconds_between(const CartesianState& earlier, const CartesianState& later) {
  auto earlier_day = day_in_system(earlier.epoch, later.epoch.time_system);
  if (!earlier_day) return earlier_day.error();
  return (later.epoch.days_since_1950 - *earlier_day) * kSecondsPerDay;
}

}  // namespace

Result<double> day_in_system(const Epoch& epoch, TimeSystem target) {
  if (epoch.time_system == target) return epoch.days_since_1950;
  auto converted = epoch.to_system(target);
  if (!converted) return converted.error();
  return converted->days_since_1950;
}

EphemerisHandle::EphemerisHandle(std::string id, std::string satellite_id, std::int32_t norad_id,
                                 CartesianState first)
    : id_(std::move(id)), satellite_id_(std::move(satellite_id)), norad_id_(norad_id) {
  grid_.start = first.epoch;
  states_.push_back(std::move(first));
}

Result<std::shared_ptr<EphemerisHandle>> EphemerisHandle::create(
    std::string satellite_id, std::optional<std::int32_t> norad_id, const CartesianState& state) {
  auto teme = checked_teme(state);
  if (!teme) return teme.error();
  return std::shared_ptr<EphemerisHandle>(new EphemerisHandle(
      new_uuid_v4(), std::move(satellite_id), norad_id.value_or(kNoNoradId), *teme));
}

Status EphemerisHandle::add_state(const CartesianState& state) {
  auto teme = checked_teme(state);
  if (!teme) return teme.error();
  const double day = teme->epoch.days_since_1950;
  std::unique_lock states_lock(states_mutex_);
  // The table is never empty: it is created with its first state.
  const std::size_t base = search_base(states_, day);
  const double base_day = states_[base].epoch.days_since_1950;
  std::size_t index = base;
  if (std::fabs(base_day - day) <= kEpochToleranceDays) {
    states_[base] = *teme;
  } else {
    index = base + (day > base_day ? 1 : 0);
    states_.insert(states_.begin() + static_cast<std::ptrdiff_t>(index), *teme);
  }
  std::unique_lock grid_lock(grid_mutex_);
  return update_grid(index);
}

Status EphemerisHandle::update_grid(std::size_t h) {
  const std::size_t n = states_.size();
  if (!grid_.is_uniform) return ok_status();
  grid_.start = states_.front().epoch;
  if (n == 1) {
    grid_.step_seconds.reset();
    return ok_status();
  }
  if (grid_.step_seconds && !(*grid_.step_seconds > 0.0)) {
    grid_.is_uniform = false;
    return ok_status();
  }
  if (!grid_.step_seconds) {
    auto step = seconds_between(states_[0], states_[1]);
    if (!step) return step.error();
    if (!(*step > 0.0)) {
      grid_.is_uniform = false;
      return ok_status();
    }
    grid_.step_seconds = *step;
  }
  auto pair_matches = [&](std::size_t earlier) -> Result<bool> {
    auto seconds = seconds_between(states_[earlier], states_[earlier + 1]);
    if (!seconds) return seconds.error();
    return std::fabs(*seconds - *grid_.step_seconds) <= kGridToleranceSeconds;
  };
  bool earlier_pair_matches = true;
  if (h > 0) {
    auto matches = pair_matches(h - 1);
    if (!matches) return matches.error();
    if (h == n - 1) {
      if (!*matches) grid_.is_uniform = false;
      return ok_status();
    }
    earlier_pair_matches = *matches;
  }
  if (h + 1 < n) {
    auto matches = pair_matches(h);
    if (!matches) return matches.error();
    if (!*matches || !earlier_pair_matches) grid_.is_uniform = false;
  }
  return ok_status();
}

std::int32_t EphemerisHandle::number_of_states() const {
  std::shared_lock lock(states_mutex_);
  constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(states_.size() < kMax ? states_.size() : kMax);
}

std::pair<Epoch, Epoch> EphemerisHandle::get_epoch_range() const {
  std::shared_lock lock(states_mutex_);
  return {states_.front().epoch, states_.back().epoch};
}

std::optional<CartesianState> EphemerisHandle::get_state_at_epoch(const Epoch& epoch) const {
  return read().state_at(epoch.days_since_1950, epoch.time_system);
}

}  // namespace qv
