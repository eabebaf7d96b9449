// Osculating state from Brouwer mean elements: Brouwer's (1959) first-order
// J2 short-period perturbations in Lyddane's (1963) non-singular form, applied
// to radius, argument of latitude, node, inclination, radial and transverse
// velocity (the terms of the Spacetrack Report No. 3 formulation, so the mean
// elements are those SGP4 works with, without its long-period and drag terms).
// Lyddane's variables (e cos w, e sin w, argument of latitude) keep the terms
// finite for circular and equatorial orbits. WGS-72 constants; Earth radii and
// minutes inside, km and km/s outside. The neglected terms are O(J2^2) and
// J3-J4 periodics: a few hundred metres in LEO.
#include "short_period.h"

#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "kepler_math.h"
#include "saal/earth_models.h"
#include "vec3.h"

namespace saal::detail {

int brouwer_mean_to_osculating(const double mean_kep[6], double pos[3], double vel[3]) {
  pos[0] = pos[1] = pos[2] = vel[0] = vel[1] = vel[2] = 0.0;
  const double e = mean_kep[1];
  if (!finite_n(mean_kep, 6) || mean_kep[0] <= 0.0 || e < 0.0 || e >= 1.0) {
    return fail("short-period terms: mean elements must be finite, elliptic, a > 0");
  }
  const double re = kWgs72.radius_km, ke = kWgs72.ke_er15_per_min;
  const double k2 = 0.5 * kWgs72.j2;
  const double a = mean_kep[0] / re;
  const double incl = mean_kep[2] * kDegToRad, node = mean_kep[4] * kDegToRad;
  const double argp = mean_kep[5] * kDegToRad;
  const double n = ke / (a * std::sqrt(a));

  const double axn = e * std::cos(argp), ayn = e * std::sin(argp);
  // Kepler's equation for Ew = E + w: U = Ew - axn sin Ew + ayn cos Ew.
  const double mean_lat = std::remainder((mean_kep[3] + mean_kep[5]) * kDegToRad, kTwoPi);
  double ew = mean_lat;
  for (int iter = 0; iter < 50; ++iter) {
    const double f = ew - axn * std::sin(ew) + ayn * std::cos(ew) - mean_lat;
    const double fp = 1.0 - axn * std::cos(ew) - ayn * std::sin(ew);
    const double step = f / fp;
    ew -= step;
    if (std::fabs(step) < 1e-15) break;
  }
  const double ecos_e = axn * std::cos(ew) + ayn * std::sin(ew);
  const double esin_e = axn * std::sin(ew) - ayn * std::cos(ew);
  const double el2 = axn * axn + ayn * ayn;
  const double pl = a * (1.0 - el2);
  if (pl <= 0.0) return fail("short-period terms: semi-latus rectum is not positive");
  const double r = a * (1.0 - ecos_e);
  const double rdot = ke * std::sqrt(a) * esin_e / r;
  const double rfdot = ke * std::sqrt(pl) / r;
  const double betal = std::sqrt(1.0 - el2);
  const double t = esin_e / (1.0 + betal);
  const double cos_u = a / r * (std::cos(ew) - axn + ayn * t);
  const double sin_u = a / r * (std::sin(ew) - ayn - axn * t);
  const double u = std::atan2(sin_u, cos_u);
  const double sin2u = 2.0 * sin_u * cos_u, cos2u = 1.0 - 2.0 * sin_u * sin_u;

  const double c = std::cos(incl), s = std::sin(incl);
  const double temp1 = k2 / pl, temp2 = temp1 / pl;
  const double one_minus_c2 = 1.0 - c * c, three_c2_minus_1 = 3.0 * c * c - 1.0;
  const double rk = r * (1.0 - 1.5 * temp2 * betal * three_c2_minus_1) +
                    0.5 * temp1 * one_minus_c2 * cos2u;
  const double uk = u - 0.25 * temp2 * (7.0 * c * c - 1.0) * sin2u;
  const double nodek = node + 1.5 * temp2 * c * sin2u;
  const double ik = incl + 1.5 * temp2 * c * s * cos2u;
  const double rdotk = rdot - n * temp1 * one_minus_c2 * sin2u;
  const double rfdotk = rfdot + n * temp1 * (one_minus_c2 * cos2u + 1.5 * three_c2_minus_1);
  if (rk <= 0.0) return fail("short-period terms: orbit radius is not positive");

  const double sn = std::sin(nodek), cn = std::cos(nodek);
  const double si = std::sin(ik), ci = std::cos(ik);
  const double su = std::sin(uk), cu = std::cos(uk);
  const Vec3 m{-sn * ci, cn * ci, si};
  const Vec3 nvec{cn, sn, 0.0};
  const Vec3 radial = su * m + cu * nvec;
  const Vec3 transverse = cu * m - su * nvec;
  const double km_per_s = re / 60.0;
  store3((rk * re) * radial, pos);
  store3((rdotk * km_per_s) * radial + (rfdotk * km_per_s) * transverse, vel);
  return 0;
}

}  // namespace saal::detail
