// Difference of two satellite states in the primary's orbit frame.
//
// Axes: radial R = r1/|r1|, cross-track C = (r1 x v1)/|r1 x v1|, in-track
// I = C x R. The difference is secondary minus primary. Output slots:
//   0 |r2 - r1| (km)            1 time difference: in-track / |v1| (s)
//   2..4 position difference along R, I, C (km)
//   5 |v2 - v1| (km/s)          6..8 velocity difference along R, I, C (km/s)
//   9 beta: angle of r2 out of the primary's orbit plane (deg)
//   10 height difference |r2| - |r1| (km)
//   11 angular-momentum difference |r2 x v2| - |r1 x v1| (km^2/s)
// Slots 12..99 are left zero. The velocity components are plain projections
// (no transport term of the rotating frame).
// The time argument tags the instant of both states; the geometry itself
// does not depend on it.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "saal/saal.h"

namespace saal {
namespace {

using namespace detail;

using V3 = std::array<double, 3>;

constexpr int kOutputSize = 100;
constexpr int kPrimaryOrbitFrame = 1;
constexpr double kRadToDeg = 57.29577951308232;

double dot(const V3& a, const V3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double norm(const V3& a) { return std::sqrt(dot(a, a)); }
V3 cross(const V3& a, const V3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
V3 scaled(const V3& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
V3 minus(const V3& a, const V3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

}  // namespace

int SatStateEphCom_OS(const double primary[6], const double secondary[6], int flag,
                      double out[100], double ds50_utc) {
  for (int i = 0; i < kOutputSize; ++i) out[i] = 0.0;
  if (flag != kPrimaryOrbitFrame) {
    return fail("SatStateEphCom_OS: unknown option " + std::to_string(flag));
  }
  bool finite = std::isfinite(ds50_utc);
  for (int i = 0; i < 6; ++i) finite = finite && std::isfinite(primary[i]) && std::isfinite(secondary[i]);
  if (!finite) return fail("SatStateEphCom_OS: states and time must be finite numbers");

  const V3 r1{primary[0], primary[1], primary[2]}, v1{primary[3], primary[4], primary[5]};
  const V3 r2{secondary[0], secondary[1], secondary[2]},
      v2{secondary[3], secondary[4], secondary[5]};
  const V3 h1 = cross(r1, v1);
  const double r1_len = norm(r1), h1_len = norm(h1), v1_len = norm(v1);
  if (!(r1_len > 0.0) || !(h1_len > 0.0)) {
    return fail("SatStateEphCom_OS: the primary state has no orbit plane");
  }
  const V3 radial = scaled(r1, 1.0 / r1_len);
  const V3 cross_track = scaled(h1, 1.0 / h1_len);
  const V3 in_track = cross(cross_track, radial);
  const V3 dr = minus(r2, r1), dv = minus(v2, v1);
  const double r2_len = norm(r2);

  out[0] = norm(dr);
  out[2] = dot(dr, radial);
  out[3] = dot(dr, in_track);
  out[4] = dot(dr, cross_track);
  out[1] = out[3] / v1_len;
  out[5] = norm(dv);
  out[6] = dot(dv, radial);
  out[7] = dot(dv, in_track);
  out[8] = dot(dv, cross_track);
  out[9] = r2_len > 0.0 ? std::asin(std::clamp(dot(r2, cross_track) / r2_len, -1.0, 1.0)) * kRadToDeg
                        : 0.0;
  out[10] = r2_len - r1_len;
  out[11] = norm(cross(r2, v2)) - h1_len;
  return 0;
}

}  // namespace saal
