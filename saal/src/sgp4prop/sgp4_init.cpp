// SGP4 initialisation: Brouwer mean motion, atmospheric density function,
// drag coefficients C1..C5, secular rates of the zonal harmonics J2 and J4,
// the Greenwich angle at epoch, and the deep-space set-up for long periods.
#include <cmath>
#include <numbers>

#include "deep_space.h"
#include "saal/earth_models.h"
#include "sgp4_model.h"

namespace saal::sgp4 {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kRe = kWgs72.radius_km;
constexpr double kKe = kWgs72.ke_er15_per_min;
constexpr double kJ2 = kWgs72.j2;
constexpr double kJ3OverJ2 = kWgs72.j3 / kWgs72.j2;
constexpr double kJ4 = kWgs72.j4;

// Greenwich sidereal angle at a UTC day count, by the polynomial in days
// since 1970 used operationally with element sets.
double greenwich_angle_1970(double ds50_utc) {
  const double ts70 = ds50_utc - 7305.0;
  const double ds70 = std::floor(ts70 + 1.0e-8);
  const double tfrac = ts70 - ds70;
  constexpr double kC1 = 1.72027916940703639e-2;
  constexpr double kThgr70 = 1.7321343856509374;
  constexpr double kFk5r = 5.07551419432269442e-15;
  const double c1p2p = kC1 + kTwoPi;
  double gsto = std::fmod(kThgr70 + kC1 * ds70 + c1p2p * tfrac + ts70 * ts70 * kFk5r, kTwoPi);
  if (gsto < 0.0) gsto = gsto + kTwoPi;
  return gsto;
}

}  // namespace

double brouwer_from_kozai(double kozai_mean_motion, double eccentricity, double inclination) {
  const double cosio = std::cos(inclination);
  const double omeosq = 1.0 - eccentricity * eccentricity;
  const double rteosq = std::sqrt(omeosq);
  const double ak = std::pow(kKe / kozai_mean_motion, kTwoThirds);
  const double d1 = 0.75 * kJ2 * (3.0 * cosio * cosio - 1.0) / (rteosq * omeosq);
  double del = d1 / (ak * ak);
  const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
  del = d1 / (adel * adel);
  return kozai_mean_motion / (1.0 + del);
}

double kozai_from_brouwer(double brouwer_mean_motion, double eccentricity, double inclination) {
  double kozai = brouwer_mean_motion;
  for (int i = 0; i < 50; ++i) {
    const double next =
        kozai + (brouwer_mean_motion - brouwer_from_kozai(kozai, eccentricity, inclination));
    if (next == kozai) break;
    kozai = next;
  }
  return kozai;
}

Failure initialise(const MeanElements& el, Model& m) {
  m = Model{};
  m.input = el;
  m.epoch_ds50_utc = el.epoch_ds50_utc;
  m.ecco = el.eccentricity;
  m.inclo = el.inclination;
  m.nodeo = el.node;
  m.argpo = el.argument_of_perigee;
  m.mo = el.mean_anomaly;
  m.bstar = el.bstar;
  m.no = el.kozai ? brouwer_from_kozai(el.mean_motion, el.eccentricity, el.inclination)
                  : el.mean_motion;
  if (!(m.no > 0.0)) return m.unusable = Failure::kMeanMotion;
  if (!(m.ecco >= 0.0 && m.ecco < 1.0)) return m.unusable = Failure::kMeanEccentricity;

  const double eccsq = m.ecco * m.ecco;
  const double omeosq = 1.0 - eccsq;
  const double rteosq = std::sqrt(omeosq);
  m.cosio = std::cos(m.inclo);
  const double cosio2 = m.cosio * m.cosio;
  m.ao = std::pow(kKe / m.no, kTwoThirds);
  m.sinio = std::sin(m.inclo);
  const double po = m.ao * omeosq;
  const double con42 = 1.0 - 5.0 * cosio2;
  m.con41 = -con42 - cosio2 - cosio2;
  const double posq = po * po;
  const double rp = m.ao * (1.0 - m.ecco);
  m.gsto = greenwich_angle_1970(m.epoch_ds50_utc);

  // Density function: perigee height sets the s and q0 parameters.
  const double perige = (rp - 1.0) * kRe;
  double sfour = 78.0 / kRe + 1.0;
  double qzms24 = std::pow((120.0 - 78.0) / kRe, 4.0);
  if (perige < 156.0) {
    sfour = perige - 78.0;
    if (perige < 98.0) sfour = 20.0;
    qzms24 = std::pow((120.0 - sfour) / kRe, 4.0);
    sfour = sfour / kRe + 1.0;
  }
  const double pinvsq = 1.0 / posq;
  const double tsi = 1.0 / (m.ao - sfour);
  m.eta = m.ao * m.ecco * tsi;
  const double etasq = m.eta * m.eta;
  const double eeta = m.ecco * m.eta;
  const double psisq = std::fabs(1.0 - etasq);
  const double coef = qzms24 * std::pow(tsi, 4.0);
  const double coef1 = coef / std::pow(psisq, 3.5);
  const double cc2 = coef1 * m.no *
                     (m.ao * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
                      0.375 * kJ2 * tsi / psisq * m.con41 * (8.0 + 3.0 * etasq * (8.0 + etasq)));
  m.cc1 = m.bstar * cc2;
  double cc3 = 0.0;
  if (m.ecco > 1.0e-4) cc3 = -2.0 * coef * tsi * kJ3OverJ2 * m.no * m.sinio / m.ecco;
  m.x1mth2 = 1.0 - cosio2;
  m.cc4 = 2.0 * m.no * coef1 * m.ao * omeosq *
          (m.eta * (2.0 + 0.5 * etasq) + m.ecco * (0.5 + 2.0 * etasq) -
           kJ2 * tsi / (m.ao * psisq) *
               (-3.0 * m.con41 * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                0.75 * m.x1mth2 * (2.0 * etasq - eeta * (1.0 + etasq)) *
                    std::cos(2.0 * m.argpo)));
  m.cc5 = 2.0 * coef1 * m.ao * omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);

  // Secular rates from J2 (first and second order) and J4.
  const double cosio4 = cosio2 * cosio2;
  const double temp1 = 1.5 * kJ2 * pinvsq * m.no;
  const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
  const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * m.no;
  m.mdot = m.no + 0.5 * temp1 * rteosq * m.con41 +
           0.0625 * temp2 * rteosq * (13.0 - 78.0 * cosio2 + 137.0 * cosio4);
  m.argpdot = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * cosio2 + 395.0 * cosio4) +
              temp3 * (3.0 - 36.0 * cosio2 + 49.0 * cosio4);
  const double xhdot1 = -temp1 * m.cosio;
  m.nodedot = xhdot1 + (0.5 * temp2 * (4.0 - 19.0 * cosio2) + 2.0 * temp3 * (3.0 - 7.0 * cosio2)) *
                           m.cosio;
  m.omgcof = m.bstar * cc3 * std::cos(m.argpo);
  m.xmcof = 0.0;
  if (m.ecco > 1.0e-4) m.xmcof = -kTwoThirds * coef * m.bstar / eeta;
  m.nodecf = 3.5 * omeosq * xhdot1 * m.cc1;
  m.t2cof = 1.5 * m.cc1;
  // Long-period J3 terms; 1 + cos i is kept away from zero for retrograde
  // equatorial orbits.
  const double one_plus_cos = std::fabs(m.cosio + 1.0) > 1.5e-12 ? 1.0 + m.cosio : 1.5e-12;
  m.xlcof = -0.25 * kJ3OverJ2 * m.sinio * (3.0 + 5.0 * m.cosio) / one_plus_cos;
  m.aycof = -0.5 * kJ3OverJ2 * m.sinio;
  m.delmo = std::pow(1.0 + m.eta * std::cos(m.mo), 3.0);
  m.sinmao = std::sin(m.mo);
  m.x7thm1 = 7.0 * cosio2 - 1.0;

  m.simple_drag = rp < 220.0 / kRe + 1.0;
  m.deep_space = kTwoPi / m.no >= 225.0;
  if (m.deep_space) {
    m.simple_drag = true;
    deep_space_init(m);
  }
  if (!m.simple_drag) {
    const double cc1sq = m.cc1 * m.cc1;
    m.d2 = 4.0 * m.ao * tsi * cc1sq;
    const double temp = m.d2 * tsi * m.cc1 / 3.0;
    m.d3 = (17.0 * m.ao + sfour) * temp;
    m.d4 = 0.5 * temp * m.ao * tsi * (221.0 * m.ao + 31.0 * sfour) * m.cc1;
    m.t3cof = m.d2 + 2.0 * cc1sq;
    m.t4cof = 0.25 * (3.0 * m.d3 + m.cc1 * (12.0 * m.d2 + 10.0 * cc1sq));
    m.t5cof = 0.2 * (3.0 * m.d4 + 12.0 * m.cc1 * m.d3 + 6.0 * m.d2 * m.d2 +
                     15.0 * cc1sq * (2.0 * m.d2 + cc1sq));
  }

  State at_epoch;
  return propagate(m, 0.0, at_epoch);
}

}  // namespace saal::sgp4
