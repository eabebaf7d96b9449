// Reading external ephemerides back: by time (cubic Hermite interpolation
// between the two bracketing points, using both positions and velocities, so
// the curve is exact for cubic motion and continuous in position and velocity
// across points), by index, and the point count.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <string>

#include "../common/last_error.h"
#include "ext_ephem_table.h"
#include "saal/saal.h"

namespace saal {
namespace {

using namespace detail;

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinutesPerDay = 1440.0;

void copy_state(const ExtEphPoint& p, double pos[3], double vel[3]) {
  for (int i = 0; i < 3; ++i) {
    pos[i] = p.pos[i];
    vel[i] = p.vel[i];
  }
}

void hermite(const ExtEphPoint& a, const ExtEphPoint& b, double ds50_utc, double pos[3],
             double vel[3]) {
  const double span_s = (b.ds50_utc - a.ds50_utc) * kSecondsPerDay;
  const double tau = (ds50_utc - a.ds50_utc) / (b.ds50_utc - a.ds50_utc);
  const double t2 = tau * tau, t3 = t2 * tau;
  const double h00 = 2 * t3 - 3 * t2 + 1, h10 = t3 - 2 * t2 + tau;
  const double h01 = 3 * t2 - 2 * t3, h11 = t3 - t2;
  const double d00 = 6 * t2 - 6 * tau, d10 = 3 * t2 - 4 * tau + 1, d11 = 3 * t2 - 2 * tau;
  for (int i = 0; i < 3; ++i) {
    pos[i] = h00 * a.pos[i] + h10 * span_s * a.vel[i] + h01 * b.pos[i] + h11 * span_s * b.vel[i];
    vel[i] = (d00 * (a.pos[i] - b.pos[i]) + d10 * span_s * a.vel[i] + d11 * span_s * b.vel[i]) /
             span_s;
  }
}

void zero3(double* v) {
  v[0] = v[1] = v[2] = 0.0;
}

}  // namespace

int ExtEphDs50UTC(Key sat_key, double* mse, double pos[3], double vel[3], int* rev_num,
                  double ds50_utc) {
  *mse = 0.0;
  *rev_num = 0;
  zero3(pos);
  zero3(vel);
  const auto sat = ext_eph_table().find(sat_key);
  if (!sat) return fail("ExtEphDs50UTC: unknown satellite key " + std::to_string(sat_key));
  if (!std::isfinite(ds50_utc)) return fail("ExtEphDs50UTC: time must be a finite number");
  std::shared_lock lock(sat->body->mutex);
  const auto& points = sat->body->points;
  if (points.empty()) return fail("ExtEphDs50UTC: the satellite has no ephemeris points");
  if (ds50_utc < points.front().ds50_utc - kExtEphTimeTolerance ||
      ds50_utc > points.back().ds50_utc + kExtEphTimeTolerance) {
    return fail("ExtEphDs50UTC: time " + std::to_string(ds50_utc) +
                " is outside the ephemeris span");
  }
  auto upper = std::lower_bound(points.begin(), points.end(), ds50_utc - kExtEphTimeTolerance,
                                [](const ExtEphPoint& p, double t) { return p.ds50_utc < t; });
  *mse = (ds50_utc - sat->epoch_ds50_utc) * kMinutesPerDay;
  if (std::fabs(upper->ds50_utc - ds50_utc) <= kExtEphTimeTolerance) {
    copy_state(*upper, pos, vel);
    *rev_num = upper->rev_num;
    return 0;
  }
  const ExtEphPoint& lower = *(upper - 1);
  hermite(lower, *upper, ds50_utc, pos, vel);
  *rev_num = lower.rev_num;
  return 0;
}

int ExtEphGetCovMtx(Key sat_key, int index, double* ds50_utc, double pos[3], double vel[3],
                    int* rev_num, double cov[6][6]) {
  *ds50_utc = 0.0;
  *rev_num = 0;
  zero3(pos);
  zero3(vel);
  for (int r = 0; r < 6; ++r) std::fill(cov[r], cov[r] + 6, 0.0);
  const auto sat = ext_eph_table().find(sat_key);
  if (!sat) return fail("ExtEphGetCovMtx: unknown satellite key " + std::to_string(sat_key));
  std::shared_lock lock(sat->body->mutex);
  const auto& points = sat->body->points;
  // Indices count from 1, like the point count.
  if (index < 1 || static_cast<std::size_t>(index) > points.size()) {
    return fail("ExtEphGetCovMtx: index " + std::to_string(index) + " is outside 1.." +
                std::to_string(points.size()));
  }
  const ExtEphPoint& p = points[static_cast<std::size_t>(index) - 1];
  *ds50_utc = p.ds50_utc;
  *rev_num = p.rev_num;
  copy_state(p, pos, vel);
  int k = 0;
  for (int r = 0; r < 6; ++r) {
    for (int c = r; c < 6; ++c) cov[r][c] = cov[c][r] = p.cov_upper[k++];
  }
  return 0;
}

int ExtEphGetNumPts(Key sat_key, int* count) {
  *count = 0;
  const auto sat = ext_eph_table().find(sat_key);
  if (!sat) return fail("ExtEphGetNumPts: unknown satellite key " + std::to_string(sat_key));
  std::shared_lock lock(sat->body->mutex);
  *count = static_cast<int>(std::min<std::size_t>(sat->body->points.size(), INT32_MAX));
  return 0;
}

}  // namespace saal
