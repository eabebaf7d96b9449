// Osculating -> Brouwer mean Keplerian elements: the inverse of the first-order
// J2 short-period terms of short_period.cpp, found by fixed-point iteration on
// non-singular elements (a, e cos(w+node), e sin(w+node), tan(i/2) sin(node),
// tan(i/2) cos(node), mean longitude). The correction is O(J2) ~ 1e-3 of the
// elements, so each pass gains about three digits; the result reproduces the
// osculating elements through the short-period terms to ~1e-12 relative.
#include <array>
#include <cmath>

#include "../common/last_error.h"
#include "saal/saal.h"
#include "short_period.h"
#include "vec3.h"

namespace saal {
namespace {

using detail::kDegToRad;
using detail::kRadToDeg;
using Nonsingular = std::array<double, 6>;

Nonsingular to_nonsingular(const double kep[6]) {
  const double lon_peri = (kep[4] + kep[5]) * kDegToRad, node = kep[4] * kDegToRad;
  const double t = std::tan(0.5 * kep[2] * kDegToRad);
  return {kep[0],
          kep[1] * std::cos(lon_peri),
          kep[1] * std::sin(lon_peri),
          t * std::sin(node),
          t * std::cos(node),
          (kep[3] + kep[4] + kep[5]) * kDegToRad};
}

void from_nonsingular(const Nonsingular& x, double kep[6]) {
  const double e = std::hypot(x[1], x[2]);
  const double node = (x[3] == 0.0 && x[4] == 0.0) ? 0.0 : std::atan2(x[3], x[4]);
  const double lon_peri = (e == 0.0) ? node : std::atan2(x[2], x[1]);
  kep[0] = x[0];
  kep[1] = e;
  kep[2] = 2.0 * std::atan(std::hypot(x[3], x[4])) * kRadToDeg;
  kep[3] = detail::wrap360((x[5] - lon_peri) * kRadToDeg);
  kep[4] = detail::wrap360(node * kRadToDeg);
  kep[5] = detail::wrap360((lon_peri - node) * kRadToDeg);
}

}  // namespace

int KepOscToMean(const double osculating_kep[6], double mean_kep[6]) {
  for (int k = 0; k < 6; ++k) mean_kep[k] = 0.0;
  if (!detail::finite_n(osculating_kep, 6)) {
    return detail::fail("KepOscToMean: elements are not finite numbers");
  }
  if (osculating_kep[0] <= 0.0 || osculating_kep[1] < 0.0 || osculating_kep[1] >= 1.0) {
    return detail::fail("KepOscToMean: elements must be elliptic (a > 0, 0 <= e < 1)");
  }
  const Nonsingular target = to_nonsingular(osculating_kep);
  Nonsingular mean = target;
  double trial_kep[6], back_kep[6], pos[3], vel[3];
  for (int pass = 0; pass < 60; ++pass) {
    from_nonsingular(mean, trial_kep);
    if (trial_kep[1] >= 1.0 || detail::brouwer_mean_to_osculating(trial_kep, pos, vel) != 0 ||
        PosVelToKep(pos, vel, back_kep) != 0) {
      return detail::fail("KepOscToMean: no mean orbit found (orbit too low or too eccentric)");
    }
    const Nonsingular back = to_nonsingular(back_kep);
    double change = 0.0;
    for (int k = 0; k < 6; ++k) {
      double d = target[k] - back[k];
      if (k == 5) d = std::remainder(d, detail::kTwoPi);
      if (k == 0) d /= target[0];
      mean[k] += (k == 0) ? d * target[0] : d;
      change = std::fmax(change, std::fabs(d));
    }
    if (change < 1e-14) {
      from_nonsingular(mean, mean_kep);
      return 0;
    }
  }
  return detail::fail("KepOscToMean: iteration did not converge");
}

}  // namespace saal
