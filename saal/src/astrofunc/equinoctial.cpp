// Keplerian <-> equinoctial elements (direct set, singular only at i = 180 deg):
//   af = e cos(w + node), ag = e sin(w + node),
//   chi = tan(i/2) sin(node), psi = tan(i/2) cos(node),
//   L = M + w + node (deg), n = mean motion (rev/day, two-body, WGS-72 ke).
// Where e == 0 or i == 0 the undefined angles come back as 0.
#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "saal/saal.h"
#include "vec3.h"

namespace saal {

using namespace detail;

int KepToEqnx(const double kep[6], double eqnx[6]) {
  for (int k = 0; k < 6; ++k) eqnx[k] = 0.0;
  if (!finite_n(kep, 6)) return fail("KepToEqnx: elements are not finite numbers");
  if (kep[1] < 0.0 || kep[1] >= 1.0) {
    return fail("KepToEqnx: eccentricity must be in [0, 1), got " + std::to_string(kep[1]));
  }
  const double n = AToN(kep[0]);
  if (n == 0.0) return 1;
  const double e = kep[1], half_i = 0.5 * kep[2] * kDegToRad;
  const double node = kep[4] * kDegToRad, lon_peri = (kep[4] + kep[5]) * kDegToRad;
  eqnx[0] = e * std::cos(lon_peri);
  eqnx[1] = e * std::sin(lon_peri);
  eqnx[2] = std::tan(half_i) * std::sin(node);
  eqnx[3] = std::tan(half_i) * std::cos(node);
  eqnx[4] = wrap360(kep[3] + kep[4] + kep[5]);
  eqnx[5] = n;
  return 0;
}

int EqnxToKep(const double eqnx[6], double kep[6]) {
  for (int k = 0; k < 6; ++k) kep[k] = 0.0;
  if (!finite_n(eqnx, 6)) return fail("EqnxToKep: elements are not finite numbers");
  const double e = std::hypot(eqnx[0], eqnx[1]);
  if (e >= 1.0) return fail("EqnxToKep: eccentricity must be below 1, got " + std::to_string(e));
  const double a = NToA(eqnx[5]);
  if (a == 0.0) return 1;
  const double node = (eqnx[2] == 0.0 && eqnx[3] == 0.0) ? 0.0 : std::atan2(eqnx[2], eqnx[3]);
  const double lon_peri = (e == 0.0) ? node : std::atan2(eqnx[1], eqnx[0]);
  kep[0] = a;
  kep[1] = e;
  kep[2] = 2.0 * std::atan(std::hypot(eqnx[2], eqnx[3])) * kRadToDeg;
  kep[3] = wrap360(eqnx[4] - lon_peri * kRadToDeg);
  kep[4] = wrap360(node * kRadToDeg);
  kep[5] = wrap360((lon_peri - node) * kRadToDeg);
  return 0;
}

}  // namespace saal
