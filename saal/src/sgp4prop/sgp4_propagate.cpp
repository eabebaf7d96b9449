// SGP4 propagation to a time: secular gravity and drag, deep-space terms,
// long-period J3 periodics, Kepler's equation in the non-singular form,
// short-period J2 periodics and the TEME position and velocity.
#include <cmath>
#include <numbers>

#include "deep_space.h"
#include "saal/earth_models.h"
#include "sgp4_model.h"

namespace saal::sgp4 {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRe = kWgs72.radius_km;
constexpr double kKe = kWgs72.ke_er15_per_min;
constexpr double kJ2 = kWgs72.j2;
constexpr double kJ3OverJ2 = kWgs72.j3 / kWgs72.j2;
constexpr double kVelocityKmS = kRe * kKe / 60.0;

}  // namespace

const char* failure_text(Failure failure) {
  switch (failure) {
    case Failure::kNone: return "no failure";
    case Failure::kMeanEccentricity: return "mean eccentricity out of range [0, 1)";
    case Failure::kMeanMotion: return "mean motion is not positive";
    case Failure::kPerturbedEccentricity:
      return "eccentricity after lunar-solar perturbations out of range [0, 1]";
    case Failure::kSemiLatusRectum: return "semi-latus rectum is negative";
    case Failure::kDecayed: return "satellite has decayed (radius below one Earth radius)";
    case Failure::kNotFinite: return "the state is not a finite number";
  }
  return "unknown failure";
}

Failure propagate(const Model& m, double t, State& s) {
  if (m.unusable != Failure::kNone) return m.unusable;
  // Secular gravity and drag.
  const double xmdf = m.mo + m.mdot * t;
  const double argpdf = m.argpo + m.argpdot * t;
  const double nodedf = m.nodeo + m.nodedot * t;
  double argpm = argpdf;
  double mm = xmdf;
  const double t2 = t * t;
  double nodem = nodedf + m.nodecf * t2;
  double tempa = 1.0 - m.cc1 * t;
  double tempe = m.bstar * m.cc4 * t;
  double templ = m.t2cof * t2;
  if (!m.simple_drag) {
    const double delomg = m.omgcof * t;
    const double delmtemp = 1.0 + m.eta * std::cos(xmdf);
    const double delm = m.xmcof * (delmtemp * delmtemp * delmtemp - m.delmo);
    const double temp = delomg + delm;
    mm = xmdf + temp;
    argpm = argpdf - temp;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    tempa = tempa - m.d2 * t2 - m.d3 * t3 - m.d4 * t4;
    tempe = tempe + m.bstar * m.cc5 * (std::sin(mm) - m.sinmao);
    templ = templ + m.t3cof * t3 + t4 * (m.t4cof + t * m.t5cof);
  }
  double nm = m.no;
  double em = m.ecco;
  double inclm = m.inclo;
  if (m.deep_space) deep_space_secular(m, t, em, argpm, inclm, mm, nodem, nm);
  if (nm <= 0.0) return Failure::kMeanMotion;

  const double am = std::pow(kKe / nm, 2.0 / 3.0) * tempa * tempa;
  nm = kKe / std::pow(am, 1.5);
  em = em - tempe;
  if (em >= 1.0 || em < -0.001) return Failure::kMeanEccentricity;
  if (em < 1.0e-6) em = 1.0e-6;
  mm = mm + m.no * templ;
  double xlm = mm + argpm + nodem;
  nodem = std::fmod(nodem, kTwoPi);
  argpm = std::fmod(argpm, kTwoPi);
  xlm = std::fmod(xlm, kTwoPi);
  mm = std::fmod(xlm - argpm - nodem, kTwoPi);

  s.mean_semi_major_axis_er = am;
  s.mean_eccentricity = em;
  s.mean_inclination = inclm;
  s.mean_node = nodem;
  s.mean_argument_of_perigee = argpm;
  s.mean_anomaly = mm;
  s.mean_motion = nm;

  // Lunar-solar periodics.
  double ep = em, xincp = inclm, argpp = argpm, nodep = nodem, mp = mm;
  double sinip = std::sin(inclm), cosip = std::cos(inclm);
  double aycof = m.aycof, xlcof = m.xlcof;
  double con41 = m.con41, x1mth2 = m.x1mth2, x7thm1 = m.x7thm1;
  if (m.deep_space) {
    lunar_solar_periodics(m.ds, t, ep, xincp, nodep, argpp, mp);
    if (xincp < 0.0) {
      xincp = -xincp;
      nodep = nodep + std::numbers::pi;
      argpp = argpp - std::numbers::pi;
    }
    if (ep < 0.0 || ep > 1.0) return Failure::kPerturbedEccentricity;
    sinip = std::sin(xincp);
    cosip = std::cos(xincp);
    aycof = -0.5 * kJ3OverJ2 * sinip;
    const double one_plus_cos = std::fabs(cosip + 1.0) > 1.5e-12 ? 1.0 + cosip : 1.5e-12;
    xlcof = -0.25 * kJ3OverJ2 * sinip * (3.0 + 5.0 * cosip) / one_plus_cos;
    const double cosisq = cosip * cosip;
    con41 = 3.0 * cosisq - 1.0;
    x1mth2 = 1.0 - cosisq;
    x7thm1 = 7.0 * cosisq - 1.0;
  }

  // Long-period periodics.
  const double axnl = ep * std::cos(argpp);
  double temp = 1.0 / (am * (1.0 - ep * ep));
  const double aynl = ep * std::sin(argpp) + temp * aycof;
  const double xl = mp + argpp + nodep + temp * xlcof * axnl;

  // Kepler's equation for E + argument of perigee, damped Newton steps.
  const double u = std::fmod(xl - nodep, kTwoPi);
  double eo1 = u;
  double tem5 = 9999.9;
  double sineo1 = 0.0, coseo1 = 0.0;
  for (int ktr = 1; std::fabs(tem5) >= 1.0e-12 && ktr <= 10; ++ktr) {
    sineo1 = std::sin(eo1);
    coseo1 = std::cos(eo1);
    tem5 = 1.0 - coseo1 * axnl - sineo1 * aynl;
    tem5 = (u - aynl * coseo1 + axnl * sineo1 - eo1) / tem5;
    if (std::fabs(tem5) >= 0.95) tem5 = tem5 > 0.0 ? 0.95 : -0.95;
    eo1 = eo1 + tem5;
  }

  // Short-period periodics.
  const double ecose = axnl * coseo1 + aynl * sineo1;
  const double esine = axnl * sineo1 - aynl * coseo1;
  const double el2 = axnl * axnl + aynl * aynl;
  const double pl = am * (1.0 - el2);
  if (pl < 0.0) return Failure::kSemiLatusRectum;
  const double rl = am * (1.0 - ecose);
  const double rdotl = std::sqrt(am) * esine / rl;
  const double rvdotl = std::sqrt(pl) / rl;
  const double betal = std::sqrt(1.0 - el2);
  temp = esine / (1.0 + betal);
  const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
  const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
  double su = std::atan2(sinu, cosu);
  const double sin2u = (cosu + cosu) * sinu;
  const double cos2u = 1.0 - 2.0 * sinu * sinu;
  temp = 1.0 / pl;
  const double temp1 = 0.5 * kJ2 * temp;
  const double temp2 = temp1 * temp;

  const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
  su = su - 0.25 * temp2 * x7thm1 * sin2u;
  const double xnode = nodep + 1.5 * temp2 * cosip * sin2u;
  const double xinc = xincp + 1.5 * temp2 * cosip * sinip * cos2u;
  const double mvt = rdotl - nm * temp1 * x1mth2 * sin2u / kKe;
  const double rvdot = rvdotl + nm * temp1 * (x1mth2 * cos2u + 1.5 * con41) / kKe;

  // Orientation vectors.
  const double sinsu = std::sin(su), cossu = std::cos(su);
  const double snod = std::sin(xnode), cnod = std::cos(xnode);
  const double sini = std::sin(xinc), cosi = std::cos(xinc);
  const double xmx = -snod * cosi;
  const double xmy = cnod * cosi;
  const double ux = xmx * sinsu + cnod * cossu;
  const double uy = xmy * sinsu + snod * cossu;
  const double uz = sini * sinsu;
  const double vx = xmx * cossu - cnod * sinsu;
  const double vy = xmy * cossu - snod * sinsu;
  const double vz = sini * cossu;

  s.position_km[0] = mrt * ux * kRe;
  s.position_km[1] = mrt * uy * kRe;
  s.position_km[2] = mrt * uz * kRe;
  s.velocity_km_s[0] = (mvt * ux + rvdot * vx) * kVelocityKmS;
  s.velocity_km_s[1] = (mvt * uy + rvdot * vy) * kVelocityKmS;
  s.velocity_km_s[2] = (mvt * uz + rvdot * vz) * kVelocityKmS;
  if (mrt < 1.0) return Failure::kDecayed;
  for (int j = 0; j < 3; ++j) {
    if (!std::isfinite(s.position_km[j]) || !std::isfinite(s.velocity_km_s[j])) {
      return Failure::kNotFinite;
    }
  }
  return Failure::kNone;
}

}  // namespace saal::sgp4
