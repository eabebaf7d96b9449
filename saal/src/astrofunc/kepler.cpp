// Keplerian elements <-> position and velocity, two-body, elliptic orbits only.
//
// Hyperbolic and parabolic input (e >= 1, or a state with non-negative
// energy) is refused with an error: the element arrays carry a mean anomaly,
// which only elliptic motion has. PosVelToKep works through the node-frame
// eccentricity components and the eccentric argument of latitude, so circular
// and equatorial orbits keep full precision: where the argument of perigee
// (e ~ 0) or the node (i ~ 0 or 180) is undefined it is reported as 0 and the
// angle moves into the mean anomaly (see kCircularE). Round trips reproduce the state to ~1e-15
// relative for e in [0, 0.99].
#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "kepler_math.h"
#include "saal/saal.h"
#include "vec3.h"

namespace saal {
namespace detail {

double solve_kepler(double mean_anomaly_rad, double e) {
  const double m = std::remainder(mean_anomaly_rad, kTwoPi);
  // Start of Danby: converges for every e < 1 under Newton's steps.
  double ecc_anom = m + (m >= 0.0 ? 0.85 : -0.85) * e;
  for (int iter = 0; iter < 50; ++iter) {
    const double f = ecc_anom - e * std::sin(ecc_anom) - m;
    const double step = f / (1.0 - e * std::cos(ecc_anom));
    ecc_anom -= step;
    if (std::fabs(step) < 1e-15) break;
  }
  return ecc_anom + (mean_anomaly_rad - m);
}

}  // namespace detail

using namespace detail;

// Below these the perigee (node) direction is rounding noise of the state, so
// it is reported as 0; the state itself is kept to 1e-13 relative or better.
constexpr double kCircularE = 1e-13;
constexpr double kEquatorialSinI = 1e-15;

int KepToPosVel(const double kep[6], double pos[3], double vel[3]) {
  pos[0] = pos[1] = pos[2] = vel[0] = vel[1] = vel[2] = 0.0;
  if (!finite_n(kep, 6)) return fail("KepToPosVel: elements are not finite numbers");
  const double a = kep[0], e = kep[1];
  if (a <= 0.0) return fail("KepToPosVel: semi-major axis must be positive, got " + std::to_string(a));
  if (e < 0.0 || e >= 1.0) {
    return fail("KepToPosVel: eccentricity must be in [0, 1) (elliptic orbits only), got " +
                std::to_string(e));
  }
  const double incl = kep[2] * kDegToRad, mean_anom = kep[3] * kDegToRad;
  const double node = kep[4] * kDegToRad, argp = kep[5] * kDegToRad;

  const double ecc_anom = solve_kepler(mean_anom, e);
  const double cos_e = std::cos(ecc_anom), sin_e = std::sin(ecc_anom);
  const double beta = std::sqrt((1.0 - e) * (1.0 + e));
  const double r = a * (1.0 - e * cos_e);
  // Perifocal position and velocity.
  const double xp = a * (cos_e - e), yp = a * beta * sin_e;
  const double rate = std::sqrt(kMuKm3S2 * a) / r;
  const double vxp = -rate * sin_e, vyp = rate * beta * cos_e;

  const double co = std::cos(node), so = std::sin(node);
  const double cw = std::cos(argp), sw = std::sin(argp);
  const double ci = std::cos(incl), si = std::sin(incl);
  const Vec3 p{co * cw - so * sw * ci, so * cw + co * sw * ci, sw * si};
  const Vec3 q{-co * sw - so * cw * ci, -so * sw + co * cw * ci, cw * si};
  store3(xp * p + yp * q, pos);
  store3(vxp * p + vyp * q, vel);
  return 0;
}

int PosVelToKep(const double pos[3], const double vel[3], double kep[6]) {
  for (int k = 0; k < 6; ++k) kep[k] = 0.0;
  if (!finite3(pos) || !finite3(vel)) return fail("PosVelToKep: state is not finite numbers");
  const Vec3 r = load3(pos), v = load3(vel);
  const double rmag = norm(r);
  if (rmag == 0.0) return fail("PosVelToKep: position is the zero vector");
  const Vec3 h = cross(r, v);
  const double hmag = norm(h);
  if (hmag == 0.0) {
    return fail("PosVelToKep: position and velocity are parallel (no orbital plane)");
  }
  const double v2 = dot(v, v);
  const double inv_a = 2.0 / rmag - v2 / kMuKm3S2;
  const Vec3 ecc_vec = (1.0 / kMuKm3S2) * ((v2 - kMuKm3S2 / rmag) * r - dot(r, v) * v);
  const double e = norm(ecc_vec);
  if (inv_a <= 0.0 || e >= 1.0) {
    return fail("PosVelToKep: orbit is not elliptic (eccentricity " + std::to_string(e) +
                "); only elliptic states convert to Keplerian elements");
  }
  const double a = 1.0 / inv_a;

  const Vec3 w = (1.0 / hmag) * h;
  const double sin_i = std::hypot(w[0], w[1]);
  const double incl = std::atan2(sin_i, w[2]);
  // Node direction; on an equatorial orbit the x axis stands in for it.
  const double node = sin_i < kEquatorialSinI ? 0.0 : std::atan2(h[0], -h[1]);
  const Vec3 p{std::cos(node), std::sin(node), 0.0};
  const Vec3 q = cross(w, p);

  // Eccentricity vector and position in the node frame (k = e cos w, h = e sin w).
  const double ek = dot(ecc_vec, p), eh = dot(ecc_vec, q);
  const double x1 = dot(r, p), y1 = dot(r, q);
  const double beta = std::sqrt((1.0 - e) * (1.0 + e));
  const double b = 1.0 / (1.0 + beta);
  const double cos_f = ek + ((1.0 - ek * ek * b) * x1 - ek * eh * b * y1) / (a * beta);
  const double sin_f = eh + ((1.0 - eh * eh * b) * y1 - ek * eh * b * x1) / (a * beta);
  const double ecc_lat = std::atan2(sin_f, cos_f);
  // Mean argument of latitude, from Kepler's equation in the node frame.
  const double mean_lat = ecc_lat + eh * std::cos(ecc_lat) - ek * std::sin(ecc_lat);
  const double argp = e < kCircularE ? 0.0 : std::atan2(eh, ek);

  kep[0] = a;
  kep[1] = e;
  kep[2] = incl * kRadToDeg;
  kep[3] = wrap360((mean_lat - argp) * kRadToDeg);
  kep[4] = wrap360(node * kRadToDeg);
  kep[5] = wrap360(argp * kRadToDeg);
  return 0;
}

}  // namespace saal
