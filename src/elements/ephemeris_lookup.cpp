// State lookup and interpolation in an ephemeris table.
//
// On a uniform grid a lookup is one division and one rounding; otherwise a
// binary search. Interpolation uses only the two bracketing entries.
#include <cmath>
#include <cstdint>
#include <limits>

#include "elements/ephemeris.h"
#include "elements/ephemeris_search.h"

namespace qv {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kGridToleranceSeconds = kEpochToleranceDays * kSecondsPerDay;
// One machine epsilon of a 64-bit float, read as days.
constexpr double kMinimumSpanDays = 2.220446049250313e-16;

// Saturating conversion to a signed index; NaN gives 0.
std::int64_t to_index(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9.223372036854775807e18) return std::numeric_limits<std::int64_t>::max();
  if (value <= -9.223372036854775808e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

}  // namespace

CartesianState hermite_interpolate(const CartesianState& a, const CartesianState& b,
                                   TimeSystem system, double day) {
  const double span_days = b.epoch.days_since_1950 - a.epoch.days_since_1950;
  if (std::fabs(span_days) < kMinimumSpanDays) return a;
  const double tau = (day - a.epoch.days_since_1950) / span_days;
  const double span = span_days * kSecondsPerDay;
  const double t2 = tau * tau, t3 = t2 * tau;
  const double h00 = 2 * t3 - 3 * t2 + 1, h10 = t3 - 2 * t2 + tau;
  const double h01 = 3 * t2 - 2 * t3, h11 = t3 - t2;
  const double d00 = 6 * t2 - 6 * tau, d10 = 3 * t2 - 4 * tau + 1, d11 = 3 * t2 - 2 * tau;
  auto position = [&](double pa, double va, double pb, double vb) {
    return h00 * pa + h10 * span * va + h01 * pb + h11 * span * vb;
  };
  auto velocity = [&](double pa, double va, double pb, double vb) {
    return (d00 * pa + d10 * span * va - d00 * pb + d11 * span * vb) / span;
  };
  const CartesianVector& pa = a.position;
  const CartesianVector& va = a.velocity;
  const CartesianVector& pb = b.position;
  const CartesianVector& vb = b.velocity;
  CartesianState out;
  out.epoch = Epoch{day, system};
  out.position = {position(pa.x, va.x, pb.x, vb.x), position(pa.y, va.y, pb.y, vb.y),
                  position(pa.z, va.z, pb.z, vb.z)};
  out.velocity = {velocity(pa.x, va.x, pb.x, vb.x), velocity(pa.y, va.y, pb.y, vb.y),
                  velocity(pa.z, va.z, pb.z, vb.z)};
  out.frame = ReferenceFrame::TEME;
  return out;
}

std::optional<CartesianState> interpolate_state_with_grid(const std::vector<CartesianState>& states,
                                                          TimeSystem system,
                                                          const UniformGrid& grid, double day) {
  const std::size_t n = states.size();
  if (n == 0) return std::nullopt;
  if (n == 1) return states.front();
  const double first = states.front().epoch.days_since_1950;
  const double last = states.back().epoch.days_since_1950;
  if (day < first || std::fabs(day - first) <= kEpochToleranceDays) return states.front();
  if (day > last || std::fabs(day - last) <= kEpochToleranceDays) return states.back();

  if (grid.is_uniform && grid.step_seconds && *grid.step_seconds / kSecondsPerDay > 0.0) {
    const double step = *grid.step_seconds;
    const double f = (day - grid.start.days_since_1950) / (step / kSecondsPerDay);
    const double r = std::round(f);
    const std::int64_t nearest = to_index(r);
    const auto count = static_cast<std::int64_t>(n);
    if (step * std::fabs(f - r) <= kGridToleranceSeconds && nearest >= 0 && nearest < count) {
      return states[static_cast<std::size_t>(nearest)];
    }
    const std::int64_t i = to_index(std::floor(f));
    if (i < 0) return states.front();
    if (i + 1 < count) {
      const auto k = static_cast<std::size_t>(i);
      return hermite_interpolate(states[k], states[k + 1], system, day);
    }
    return states.back();
  }

  const std::size_t base = search_base(states, day);
  const CartesianState& at_base = states[base];
  if (std::fabs(at_base.epoch.days_since_1950 - day) <= kEpochToleranceDays) return at_base;
  const std::size_t upper = base + (day > at_base.epoch.days_since_1950 ? 1 : 0);
  return hermite_interpolate(states[upper - 1], states[upper], system, day);
}

}  // namespace qv
