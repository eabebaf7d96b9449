// Deep-space initialisation: lunar and solar perturbation coefficients at
// epoch, their secular rates, and the resonance coefficients of 12-hour
// (eccentric, half-day) and 24-hour (geosynchronous) orbits.
#include <cmath>
#include <numbers>

#include "deep_space.h"
#include "saal/earth_models.h"

namespace saal::sgp4 {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Solar and lunar mean-motion and eccentricity constants of the theory.
constexpr double kZns = 1.19459e-5;
constexpr double kZes = 0.01675;
constexpr double kZnl = 1.5835218e-4;
constexpr double kZel = 0.05490;
// Earth rotation, rad/min, as the theory fixes it.
constexpr double kRptim = 4.37526908801129966e-3;

// Terms of the lunar or solar disturbing function for one body.
struct BodyTerms {
  double s1, s2, s3, s4, s5, s6, s7;
  double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
};

struct Geometry {
  double emsq, betasq, rtemsq, sinim, cosim, sinomm, cosomm, snodm, cnodm;
};

BodyTerms body_terms(const Geometry& g, double em, double nm, double zcosg, double zsing,
                     double zcosi, double zsini, double zcosh, double zsinh, double cc) {
  const double a1 = zcosg * zcosh + zsing * zcosi * zsinh;
  const double a3 = -zsing * zcosh + zcosg * zcosi * zsinh;
  const double a7 = -zcosg * zsinh + zsing * zcosi * zcosh;
  const double a8 = zsing * zsini;
  const double a9 = zsing * zsinh + zcosg * zcosi * zcosh;
  const double a10 = zcosg * zsini;
  const double a2 = g.cosim * a7 + g.sinim * a8;
  const double a4 = g.cosim * a9 + g.sinim * a10;
  const double a5 = -g.sinim * a7 + g.cosim * a8;
  const double a6 = -g.sinim * a9 + g.cosim * a10;

  const double x1 = a1 * g.cosomm + a2 * g.sinomm;
  const double x2 = a3 * g.cosomm + a4 * g.sinomm;
  const double x3 = -a1 * g.sinomm + a2 * g.cosomm;
  const double x4 = -a3 * g.sinomm + a4 * g.cosomm;
  const double x5 = a5 * g.sinomm;
  const double x6 = a6 * g.sinomm;
  const double x7 = a5 * g.cosomm;
  const double x8 = a6 * g.cosomm;

  BodyTerms b;
  b.z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
  b.z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
  b.z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
  b.z1 = 3.0 * (a1 * a1 + a2 * a2) + b.z31 * g.emsq;
  b.z2 = 6.0 * (a1 * a3 + a2 * a4) + b.z32 * g.emsq;
  b.z3 = 3.0 * (a3 * a3 + a4 * a4) + b.z33 * g.emsq;
  b.z11 = -6.0 * a1 * a5 + g.emsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
  b.z12 = -6.0 * (a1 * a6 + a3 * a5) +
          g.emsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
  b.z13 = -6.0 * a3 * a6 + g.emsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
  b.z21 = 6.0 * a2 * a5 + g.emsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
  b.z22 = 6.0 * (a4 * a5 + a2 * a6) +
          g.emsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
  b.z23 = 6.0 * a4 * a6 + g.emsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
  b.z1 = b.z1 + b.z1 + g.betasq * b.z31;
  b.z2 = b.z2 + b.z2 + g.betasq * b.z32;
  b.z3 = b.z3 + b.z3 + g.betasq * b.z33;
  b.s3 = cc / nm;
  b.s2 = -0.5 * b.s3 / g.rtemsq;
  b.s4 = b.s3 * g.rtemsq;
  b.s1 = -15.0 * em * b.s4;
  b.s5 = x1 * x3 + x2 * x4;
  b.s6 = x2 * x3 + x1 * x4;
  b.s7 = x2 * x4 - x1 * x3;
  return b;
}

void resonance_init(Model& m, const Geometry& g, double theta) {
  DeepSpace& ds = m.ds;
  const double nm = m.no;
  const double aonv = std::pow(nm / kWgs72.ke_er15_per_min, 2.0 / 3.0);
  const double cosim = g.cosim, sinim = g.sinim;
  if (ds.resonance == 2) {
    // Half-day resonance: coefficients of the geopotential terms 22, 32, 44,
    // 52 and 54, with the eccentricity functions fitted by the theory.
    constexpr double kRoot22 = 1.7891679e-6, kRoot32 = 3.7393792e-7, kRoot44 = 7.3636953e-9;
    constexpr double kRoot52 = 1.1428639e-7, kRoot54 = 2.1765803e-9;
    const double cosisq = cosim * cosim;
    const double em = m.ecco;
    const double emsq = m.ecco * m.ecco;
    const double eoc = em * emsq;
    const double g201 = -0.306 - (em - 0.64) * 0.440;
    double g211, g310, g322, g410, g422, g520, g521, g532, g533;
    if (em <= 0.65) {
      g211 = 3.616 - 13.2470 * em + 16.2900 * emsq;
      g310 = -19.302 + 117.3900 * em - 228.4190 * emsq + 156.5910 * eoc;
      g322 = -18.9068 + 109.7927 * em - 214.6334 * emsq + 146.5816 * eoc;
      g410 = -41.122 + 242.6940 * em - 471.0940 * emsq + 313.9530 * eoc;
      g422 = -146.407 + 841.8800 * em - 1629.014 * emsq + 1083.4350 * eoc;
      g520 = -532.114 + 3017.977 * em - 5740.032 * emsq + 3708.2760 * eoc;
    } else {
      g211 = -72.099 + 331.819 * em - 508.738 * emsq + 266.724 * eoc;
      g310 = -346.844 + 1582.851 * em - 2415.925 * emsq + 1246.113 * eoc;
      g322 = -342.585 + 1554.908 * em - 2366.899 * emsq + 1215.972 * eoc;
      g410 = -1052.797 + 4758.686 * em - 7193.992 * emsq + 3651.957 * eoc;
      g422 = -3581.690 + 16178.110 * em - 24462.770 * emsq + 12422.520 * eoc;
      g520 = em > 0.715 ? -5149.66 + 29936.92 * em - 54087.36 * emsq + 31324.56 * eoc
                        : 1464.74 - 4664.75 * em + 3763.64 * emsq;
    }
    if (em < 0.7) {
      g533 = -919.22770 + 4988.6100 * em - 9064.7700 * emsq + 5542.21 * eoc;
      g521 = -822.71072 + 4568.6173 * em - 8491.4146 * emsq + 5337.524 * eoc;
      g532 = -853.66600 + 4690.2500 * em - 8624.7700 * emsq + 5341.4 * eoc;
    } else {
      g533 = -37995.780 + 161616.52 * em - 229838.20 * emsq + 109377.94 * eoc;
      g521 = -51752.104 + 218913.95 * em - 309468.16 * emsq + 146349.42 * eoc;
      g532 = -40023.880 + 170470.89 * em - 242699.48 * emsq + 115605.82 * eoc;
    }
    const double sini2 = sinim * sinim;
    const double f220 = 0.75 * (1.0 + 2.0 * cosim + cosisq);
    const double f221 = 1.5 * sini2;
    const double f321 = 1.875 * sinim * (1.0 - 2.0 * cosim - 3.0 * cosisq);
    const double f322 = -1.875 * sinim * (1.0 + 2.0 * cosim - 3.0 * cosisq);
    const double f441 = 35.0 * sini2 * f220;
    const double f442 = 39.3750 * sini2 * sini2;
    const double f522 = 9.84375 * sinim *
                        (sini2 * (1.0 - 2.0 * cosim - 5.0 * cosisq) +
                         0.33333333 * (-2.0 + 4.0 * cosim + 6.0 * cosisq));
    const double f523 = sinim * (4.92187512 * sini2 * (-2.0 - 4.0 * cosim + 10.0 * cosisq) +
                                 6.56250012 * (1.0 + 2.0 * cosim - 3.0 * cosisq));
    const double f542 = 29.53125 * sinim *
                        (2.0 - 8.0 * cosim + cosisq * (-12.0 + 8.0 * cosim + 10.0 * cosisq));
    const double f543 = 29.53125 * sinim *
                        (-2.0 - 8.0 * cosim + cosisq * (12.0 + 8.0 * cosim - 10.0 * cosisq));
    const double xno2 = nm * nm;
    const double ainv2 = aonv * aonv;
    double temp1 = 3.0 * xno2 * ainv2;
    double temp = temp1 * kRoot22;
    ds.d2201 = temp * f220 * g201;
    ds.d2211 = temp * f221 * g211;
    temp1 = temp1 * aonv;
    temp = temp1 * kRoot32;
    ds.d3210 = temp * f321 * g310;
    ds.d3222 = temp * f322 * g322;
    temp1 = temp1 * aonv;
    temp = 2.0 * temp1 * kRoot44;
    ds.d4410 = temp * f441 * g410;
    ds.d4422 = temp * f442 * g422;
    temp1 = temp1 * aonv;
    temp = temp1 * kRoot52;
    ds.d5220 = temp * f522 * g520;
    ds.d5232 = temp * f523 * g532;
    temp = 2.0 * temp1 * kRoot54;
    ds.d5421 = temp * f542 * g521;
    ds.d5433 = temp * f543 * g533;
    ds.xlamo = std::fmod(m.mo + m.nodeo + m.nodeo - theta - theta, kTwoPi);
    ds.xfact = m.mdot + ds.dmdt + 2.0 * (m.nodedot + ds.dnodt - kRptim) - m.no;
  } else {
    // Synchronous resonance: terms 22, 31 and 33.
    constexpr double kQ22 = 1.7891679e-6, kQ31 = 2.1460748e-6, kQ33 = 2.2123015e-7;
    const double emsq = g.emsq;
    const double g200 = 1.0 + emsq * (-2.5 + 0.8125 * emsq);
    const double g310 = 1.0 + 2.0 * emsq;
    const double g300 = 1.0 + emsq * (-6.0 + 6.60937 * emsq);
    const double f220 = 0.75 * (1.0 + cosim) * (1.0 + cosim);
    const double f311 = 0.9375 * sinim * sinim * (1.0 + 3.0 * cosim) - 0.75 * (1.0 + cosim);
    double f330 = 1.0 + cosim;
    f330 = 1.875 * f330 * f330 * f330;
    const double del1 = 3.0 * nm * nm * aonv * aonv;
    ds.del2 = 2.0 * del1 * f220 * g200 * kQ22;
    ds.del3 = 3.0 * del1 * f330 * g300 * kQ33 * aonv;
    ds.del1 = del1 * f311 * g310 * kQ31 * aonv;
    ds.xlamo = std::fmod(m.mo + m.nodeo + m.argpo - theta, kTwoPi);
    ds.xfact = m.mdot + (m.argpdot + m.nodedot) - kRptim + ds.dmdt + ds.domdt + ds.dnodt - m.no;
  }
}

}  // namespace

void deep_space_init(Model& m) {
  DeepSpace& ds = m.ds;
  ds = DeepSpace{};

  Geometry g;
  g.snodm = std::sin(m.nodeo);
  g.cnodm = std::cos(m.nodeo);
  g.sinomm = std::sin(m.argpo);
  g.cosomm = std::cos(m.argpo);
  g.sinim = std::sin(m.inclo);
  g.cosim = std::cos(m.inclo);
  g.emsq = m.ecco * m.ecco;
  g.betasq = 1.0 - g.emsq;
  g.rtemsq = std::sqrt(g.betasq);

  // Lunar orbit orientation at epoch (days from 1900 January 0.5).
  const double day = m.epoch_ds50_utc + 18261.5;
  const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
  const double stem = std::sin(xnodce);
  const double ctem = std::cos(xnodce);
  const double zcosil = 0.91375164 - 0.03568096 * ctem;
  const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
  const double zsinhl = 0.089683511 * stem / zsinil;
  const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
  const double gam = 5.8351514 + 0.0019443680 * day;
  double zx = 0.39785416 * stem / zsinil;
  const double zy = zcoshl * ctem + 0.91744867 * zsinhl * stem;
  zx = std::atan2(zx, zy);
  zx = gam + zx - xnodce;
  const double zcosgl = std::cos(zx);
  const double zsingl = std::sin(zx);

  // Sun (ecliptic constants), then Moon.
  const BodyTerms sun = body_terms(g, m.ecco, m.no, 0.1945905, -0.98088458, 0.91744867,
                                   0.39785416, g.cnodm, g.snodm, 2.9864797e-6);
  const BodyTerms moon = body_terms(g, m.ecco, m.no, zcosgl, zsingl, zcosil, zsinil,
                                    zcoshl * g.cnodm + zsinhl * g.snodm,
                                    g.snodm * zcoshl - g.cnodm * zsinhl, 4.7968065e-7);

  ds.zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, kTwoPi);
  ds.zmos = std::fmod(6.2565837 + 0.017201977 * day, kTwoPi);

  ds.se2 = 2.0 * sun.s1 * sun.s6;
  ds.se3 = 2.0 * sun.s1 * sun.s7;
  ds.si2 = 2.0 * sun.s2 * sun.z12;
  ds.si3 = 2.0 * sun.s2 * (sun.z13 - sun.z11);
  ds.sl2 = -2.0 * sun.s3 * sun.z2;
  ds.sl3 = -2.0 * sun.s3 * (sun.z3 - sun.z1);
  ds.sl4 = -2.0 * sun.s3 * (-21.0 - 9.0 * g.emsq) * kZes;
  ds.sgh2 = 2.0 * sun.s4 * sun.z32;
  ds.sgh3 = 2.0 * sun.s4 * (sun.z33 - sun.z31);
  ds.sgh4 = -18.0 * sun.s4 * kZes;
  ds.sh2 = -2.0 * sun.s2 * sun.z22;
  ds.sh3 = -2.0 * sun.s2 * (sun.z23 - sun.z21);

  ds.ee2 = 2.0 * moon.s1 * moon.s6;
  ds.e3 = 2.0 * moon.s1 * moon.s7;
  ds.xi2 = 2.0 * moon.s2 * moon.z12;
  ds.xi3 = 2.0 * moon.s2 * (moon.z13 - moon.z11);
  ds.xl2 = -2.0 * moon.s3 * moon.z2;
  ds.xl3 = -2.0 * moon.s3 * (moon.z3 - moon.z1);
  ds.xl4 = -2.0 * moon.s3 * (-21.0 - 9.0 * g.emsq) * kZel;
  ds.xgh2 = 2.0 * moon.s4 * moon.z32;
  ds.xgh3 = 2.0 * moon.s4 * (moon.z33 - moon.z31);
  ds.xgh4 = -18.0 * moon.s4 * kZel;
  ds.xh2 = -2.0 * moon.s2 * moon.z22;
  ds.xh3 = -2.0 * moon.s2 * (moon.z23 - moon.z21);

  // Secular rates of the lunar-solar terms.
  const double nm = m.no;
  if (0.0034906585 < nm && nm < 0.0052359877) ds.resonance = 1;
  if (8.26e-3 <= nm && nm <= 9.24e-3 && m.ecco >= 0.5) ds.resonance = 2;

  const double ses = sun.s1 * kZns * sun.s5;
  const double sis = sun.s2 * kZns * (sun.z11 + sun.z13);
  const double sls = -kZns * sun.s3 * (sun.z1 + sun.z3 - 14.0 - 6.0 * g.emsq);
  const double sghs = sun.s4 * kZns * (sun.z31 + sun.z33 - 6.0);
  double shs = -kZns * sun.s2 * (sun.z21 + sun.z23);
  // Near-equatorial orbits: the node rate is undefined, drop it.
  const bool equatorial =
      m.inclo < 5.2359877e-2 || m.inclo > std::numbers::pi - 5.2359877e-2;
  if (equatorial) shs = 0.0;
  if (g.sinim != 0.0) shs = shs / g.sinim;
  const double sgs = sghs - g.cosim * shs;

  ds.dedt = ses + moon.s1 * kZnl * moon.s5;
  ds.didt = sis + moon.s2 * kZnl * (moon.z11 + moon.z13);
  ds.dmdt = sls - kZnl * moon.s3 * (moon.z1 + moon.z3 - 14.0 - 6.0 * g.emsq);
  const double sghl = moon.s4 * kZnl * (moon.z31 + moon.z33 - 6.0);
  double shll = -kZnl * moon.s2 * (moon.z21 + moon.z23);
  if (equatorial) shll = 0.0;
  ds.domdt = sgs + sghl;
  ds.dnodt = shs;
  if (g.sinim != 0.0) {
    ds.domdt = ds.domdt - g.cosim / g.sinim * shll;
    ds.dnodt = ds.dnodt + shll / g.sinim;
  }

  if (ds.resonance != 0) {
    const double theta = std::fmod(m.gsto, kTwoPi);
    resonance_init(m, g, theta);
    resonance_nodes_init(m);
  }
}

}  // namespace saal::sgp4
