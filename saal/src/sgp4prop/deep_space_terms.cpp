// Deep-space terms at a time: lunar-solar secular drift, the resonance
// integration (second-order Euler-Maclaurin steps of 720 minutes) and the
// lunar-solar periodics with the Lyddane form below 0.2 rad inclination.
#include <cmath>
#include <numbers>
#include <vector>

#include "deep_space.h"

namespace saal::sgp4 {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRptim = 4.37526908801129966e-3;
constexpr double kStep = 720.0;
constexpr double kStepSquaredHalf = 259200.0;

struct Rates {
  double xndt, xnddt, xldot;
};

Rates resonance_rates(const Model& m, double xli, double xni, double atime) {
  const DeepSpace& ds = m.ds;
  Rates r;
  r.xldot = xni + ds.xfact;
  if (ds.resonance != 2) {
    constexpr double kFasx2 = 0.13130908, kFasx4 = 2.8843198, kFasx6 = 0.37448087;
    r.xndt = ds.del1 * std::sin(xli - kFasx2) + ds.del2 * std::sin(2.0 * (xli - kFasx4)) +
             ds.del3 * std::sin(3.0 * (xli - kFasx6));
    r.xnddt = ds.del1 * std::cos(xli - kFasx2) + 2.0 * ds.del2 * std::cos(2.0 * (xli - kFasx4)) +
              3.0 * ds.del3 * std::cos(3.0 * (xli - kFasx6));
  } else {
    constexpr double kG22 = 5.7686396, kG32 = 0.95240898, kG44 = 1.8014998;
    constexpr double kG52 = 1.0508330, kG54 = 4.4108898;
    const double xomi = m.argpo + m.argpdot * atime;
    const double x2omi = xomi + xomi;
    const double x2li = xli + xli;
    r.xndt = ds.d2201 * std::sin(x2omi + xli - kG22) + ds.d2211 * std::sin(xli - kG22) +
             ds.d3210 * std::sin(xomi + xli - kG32) + ds.d3222 * std::sin(-xomi + xli - kG32) +
             ds.d4410 * std::sin(x2omi + x2li - kG44) + ds.d4422 * std::sin(x2li - kG44) +
             ds.d5220 * std::sin(xomi + xli - kG52) + ds.d5232 * std::sin(-xomi + xli - kG52) +
             ds.d5421 * std::sin(xomi + x2li - kG54) + ds.d5433 * std::sin(-xomi + x2li - kG54);
    r.xnddt = ds.d2201 * std::cos(x2omi + xli - kG22) + ds.d2211 * std::cos(xli - kG22) +
              ds.d3210 * std::cos(xomi + xli - kG32) + ds.d3222 * std::cos(-xomi + xli - kG32) +
              ds.d5220 * std::cos(xomi + xli - kG52) + ds.d5232 * std::cos(-xomi + xli - kG52) +
              2.0 * (ds.d4410 * std::cos(x2omi + x2li - kG44) + ds.d4422 * std::cos(x2li - kG44) +
                     ds.d5421 * std::cos(xomi + x2li - kG54) +
                     ds.d5433 * std::cos(-xomi + x2li - kG54));
  }
  r.xnddt = r.xnddt * r.xldot;
  return r;
}

ResonanceNode resonance_start(const Model& m) {
  ResonanceNode node{0.0, m.ds.xlamo, m.no, 0.0, 0.0, 0.0};
  const Rates r = resonance_rates(m, node.xli, node.xni, node.atime);
  node.xndt = r.xndt;
  node.xnddt = r.xnddt;
  node.xldot = r.xldot;
  return node;
}

void resonance_step(const Model& m, double delt, ResonanceNode& node) {
  node.xli = node.xli + node.xldot * delt + node.xndt * kStepSquaredHalf;
  node.xni = node.xni + node.xndt * delt + node.xnddt * kStepSquaredHalf;
  node.atime = node.atime + delt;
  const Rates r = resonance_rates(m, node.xli, node.xni, node.atime);
  node.xndt = r.xndt;
  node.xnddt = r.xnddt;
  node.xldot = r.xldot;
}

}  // namespace

void resonance_nodes_init(Model& m) {
  // Fifteen days each way: ephemerides and screening windows stay inside.
  constexpr int kCachedSteps = 30;
  for (const double delt : {kStep, -kStep}) {
    std::vector<ResonanceNode>& nodes = delt > 0.0 ? m.ds.forward_nodes : m.ds.backward_nodes;
    nodes.assign(1, resonance_start(m));
    for (int k = 0; k < kCachedSteps; ++k) {
      ResonanceNode next = nodes.back();
      resonance_step(m, delt, next);
      nodes.push_back(next);
    }
  }
}

ResonanceNode resonance_node(const Model& m, double t) {
  // The integration steps while |t - atime| >= 720, atime = k * delt exactly.
  const double delt = t > 0.0 ? kStep : -kStep;
  const std::vector<ResonanceNode>& nodes =
      delt > 0.0 ? m.ds.forward_nodes : m.ds.backward_nodes;
  if (!std::isfinite(t)) return nodes.front();
  const double whole = std::floor(std::fabs(t) / kStep);
  double steps = whole > 0.0 && std::fabs(t - delt * (whole - 1.0)) < kStep ? whole - 1.0 : whole;
  if (std::fabs(t - delt * steps) >= kStep) steps = steps + 1.0;
  if (steps < static_cast<double>(nodes.size())) return nodes[static_cast<std::size_t>(steps)];
  ResonanceNode node = nodes.back();
  while (std::fabs(t - node.atime) >= kStep) resonance_step(m, delt, node);
  return node;
}

void deep_space_secular(const Model& m, double t, double& em, double& argpm, double& inclm,
                        double& mm, double& nodem, double& nm) {
  const DeepSpace& ds = m.ds;
  const double theta = std::fmod(m.gsto + t * kRptim, kTwoPi);
  em = em + ds.dedt * t;
  inclm = inclm + ds.didt * t;
  argpm = argpm + ds.domdt * t;
  nodem = nodem + ds.dnodt * t;
  mm = mm + ds.dmdt * t;
  if (ds.resonance == 0) return;

  const ResonanceNode node = resonance_node(m, t);
  const double ft = t - node.atime;
  const double integrated = node.xni + node.xndt * ft + node.xnddt * ft * ft * 0.5;
  // Kept as a drift from the epoch value, as the published code forms it.
  nm = m.no + (integrated - m.no);
  const double xl = node.xli + node.xldot * ft + node.xndt * ft * ft * 0.5;
  if (ds.resonance != 1) {
    mm = xl - 2.0 * nodem + 2.0 * theta;
  } else {
    mm = xl - nodem - argpm + theta;
  }
}

void lunar_solar_periodics(const DeepSpace& ds, double t, double& ep, double& inclp,
                           double& nodep, double& argpp, double& mp) {
  constexpr double kZns = 1.19459e-5, kZes = 0.01675, kZnl = 1.5835218e-4, kZel = 0.05490;

  double zm = ds.zmos + kZns * t;
  double zf = zm + 2.0 * kZes * std::sin(zm);
  double sinzf = std::sin(zf);
  double f2 = 0.5 * sinzf * sinzf - 0.25;
  double f3 = -0.5 * sinzf * std::cos(zf);
  const double ses = ds.se2 * f2 + ds.se3 * f3;
  const double sis = ds.si2 * f2 + ds.si3 * f3;
  const double sls = ds.sl2 * f2 + ds.sl3 * f3 + ds.sl4 * sinzf;
  const double sghs = ds.sgh2 * f2 + ds.sgh3 * f3 + ds.sgh4 * sinzf;
  const double shs = ds.sh2 * f2 + ds.sh3 * f3;

  zm = ds.zmol + kZnl * t;
  zf = zm + 2.0 * kZel * std::sin(zm);
  sinzf = std::sin(zf);
  f2 = 0.5 * sinzf * sinzf - 0.25;
  f3 = -0.5 * sinzf * std::cos(zf);
  const double sel = ds.ee2 * f2 + ds.e3 * f3;
  const double sil = ds.xi2 * f2 + ds.xi3 * f3;
  const double sll = ds.xl2 * f2 + ds.xl3 * f3 + ds.xl4 * sinzf;
  const double sghl = ds.xgh2 * f2 + ds.xgh3 * f3 + ds.xgh4 * sinzf;
  const double shll = ds.xh2 * f2 + ds.xh3 * f3;

  const double pe = ses + sel;
  const double pinc = sis + sil;
  const double pl = sls + sll;
  double pgh = sghs + sghl;
  double ph = shs + shll;

  inclp = inclp + pinc;
  ep = ep + pe;
  const double sinip = std::sin(inclp);
  const double cosip = std::cos(inclp);
  if (inclp >= 0.2) {
    ph = ph / sinip;
    pgh = pgh - cosip * ph;
    argpp = argpp + pgh;
    nodep = nodep + ph;
    mp = mp + pl;
    return;
  }
  // Low inclination: apply the node and perigee terms through the
  // non-singular vector (sin i sin node, sin i cos node).
  const double sinop = std::sin(nodep);
  const double cosop = std::cos(nodep);
  double alfdp = sinip * sinop;
  double betdp = sinip * cosop;
  const double dalf = ph * cosop + pinc * cosip * sinop;
  const double dbet = -ph * sinop + pinc * cosip * cosop;
  alfdp = alfdp + dalf;
  betdp = betdp + dbet;
  nodep = std::fmod(nodep, kTwoPi);
  if (nodep < 0.0) nodep = nodep + kTwoPi;
  double xls = mp + argpp + cosip * nodep;
  const double dls = pl + pgh - pinc * nodep * sinip;
  xls = xls + dls;
  const double xnoh = nodep;
  nodep = std::atan2(alfdp, betdp);
  if (nodep < 0.0) nodep = nodep + kTwoPi;
  if (std::fabs(xnoh - nodep) > std::numbers::pi) {
    nodep = nodep < xnoh ? nodep + kTwoPi : nodep - kTwoPi;
  }
  mp = mp + pl;
  argpp = xls - mp - cosip * nodep;
}

}  // namespace saal::sgp4
