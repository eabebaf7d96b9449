// Sampling a satellite's orbit: ephemerides (cached) and plot series.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "bodies/satellite.h"

namespace qv {

namespace {

// Sample epochs after `start`: start + h, then repeated addition of h, while
// `end` is ahead or within tolerance; in `start`'s time system. Empty when h
// gives no forward step, so a degenerate span or step cannot loop forever.
//
// The additions are compensated (Kahan): plain sums of a step near 1e-3 day
// on day counts near 27000 drift by ~3e-12 day each, so after a few hundred
// steps the sample that should fall on `end` lands beyond the 1e-10 day
// tolerance and the last interval of the window is lost.
std::vector<Epoch> sample_epochs(const Epoch& start, const Epoch& end, double h) {
  std::vector<Epoch> out;
  if (!(h > 0.0)) return out;
  const double end_day = end.days_since_1950;
  double t = start.days_since_1950;
  double carry = 0.0;
  auto advance = [&] {
    const double addend = h - carry;
    const double next = t + addend;
    carry = (next - t) - addend;
    t = next;
  };
  // A step too small to move the day count ends sampling rather than
  // repeating the previous epoch.
  double previous = t;
  advance();
  while (t != previous && (end_day > t || std::fabs(t - end_day) < kEpochToleranceDays)) {
    out.push_back(Epoch{t, start.time_system});
    previous = t;
    advance();
  }
  return out;
}

}  // namespace

Result<std::optional<std::shared_ptr<EphemerisHandle>>> Satellite::get_ephemeris(
    const Epoch& start, const Epoch& end, const TimeSpan& step) {
  using Answer = std::optional<std::shared_ptr<EphemerisHandle>>;
  auto key = construct_ephemeris_id(start.days_since_1950, end.days_since_1950, step.days);
  if (!key) return Answer();
  if (ephemeris_cache_ && ephemeris_cache_key_ == *key) return Answer(ephemeris_cache_);
  if (!propagator_) return Answer();

  // Epochs in systems without a conversion between them are the caller's
  // choice, not a broken invariant.
  auto start_in_end_system = day_in_system(start, end.time_system);
  if (!start_in_end_system) return start_in_end_system.error();
  const double span = end.days_since_1950 - *start_in_end_system;
  const double quarter_span = span * 1440.0 * 0.25 * kDaysPerMinute;
  const double h = std::min(step.days, quarter_span);

  std::vector<Epoch> epochs{start};
  const std::vector<Epoch> samples = sample_epochs(start, end, h);
  epochs.insert(epochs.end(), samples.begin(), samples.end());
  const auto states = propagator_->get_cartesian_states_at_epochs(epochs);
  for (const auto& state : states) {
    if (!state) return Answer();
  }
  auto ephemeris = EphemerisHandle::create(id_, norad_id_, *states.front());
  if (!ephemeris) throw std::runtime_error(ephemeris.message());
  for (std::size_t i = 1; i < states.size(); ++i) {
    auto added = ephemeris.value()->add_state(*states[i]);
    if (!added) throw std::runtime_error(added.message());
  }
  ephemeris_cache_ = ephemeris.value();
  ephemeris_cache_key_ = std::move(key).value();
  return Answer(ephemeris_cache_);
}

std::optional<OrbitPlotData> Satellite::get_plot_data(const Epoch& start, const Epoch& end,
                                                      const TimeSpan& step) const {
  if (!propagator_) return std::nullopt;
  std::vector<Epoch> epochs{start};
  const std::vector<Epoch> samples = sample_epochs(start, end, step.days);
  epochs.insert(epochs.end(), samples.begin(), samples.end());
  const auto states = propagator_->get_cartesian_states_at_epochs(epochs);
  OrbitPlotData data;
  data.satellite_id = id_;
  for (const auto& state : states) {
    if (!state) return std::nullopt;
    const auto sample = plot_state_from_cartesian(*state);
    if (!sample || !data.add_state(*sample)) return std::nullopt;
  }
  return data;
}

}  // namespace qv
