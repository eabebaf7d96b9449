// Re-epoching an element set: new mean elements at the requested epoch
// whose SGP4 state there equals the original set's state at that time.
//
// The mean elements are fitted by Newton iteration on the TEME state with a
// finite-difference Jacobian, in the non-singular set (n, e cos(w + node),
// e sin(w + node), tan(i/2) sin(node), tan(i/2) cos(node), M + w + node).
// The fit converges to below 1e-9 km and 1e-12 km/s; the written lines then
// reproduce the state to the precision of the text (eccentricity to 1e-7,
// angles to 1e-4 deg: typically tens of metres, at most about a kilometre
// for high orbits). Drag terms and the element type are kept.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "../common/last_error.h"
#include "../common/text.h"
#include "../tle/tle_fields.h"
#include "saal/earth_models.h"
#include "sgp4_table.h"

namespace saal {
namespace {

using Vec6 = std::array<double, 6>;
using Mat6 = std::array<Vec6, 6>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDegPerRad = 180.0 / std::numbers::pi;
constexpr double kRevDayPerRadMin = 1440.0 / kTwoPi;

Vec6 to_nonsingular(double n, double e, double i, double node, double argp, double m) {
  const double lon_peri = argp + node;
  const double t = std::tan(0.5 * i);
  return {n, e * std::cos(lon_peri), e * std::sin(lon_peri), t * std::sin(node),
          t * std::cos(node), m + lon_peri};
}

// Back to (n, e, i, node, argp, M), angles in [0, 2 pi).
Vec6 from_nonsingular(const Vec6& p) {
  auto wrap = [](double a) {
    double w = std::fmod(a, kTwoPi);
    return w < 0.0 ? w + kTwoPi : w;
  };
  const double e = std::hypot(p[1], p[2]);
  const double i = 2.0 * std::atan(std::hypot(p[3], p[4]));
  const double node = std::atan2(p[3], p[4]);
  const double lon_peri = std::atan2(p[2], p[1]);
  return {p[0], e, i, wrap(node), wrap(lon_peri - node), wrap(p[5] - lon_peri)};
}

// Gaussian elimination with partial pivoting; false if singular.
bool solve6(Mat6 a, Vec6 b, Vec6& x) {
  for (int c = 0; c < 6; ++c) {
    int pivot = c;
    for (int r = c + 1; r < 6; ++r) {
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    }
    if (a[pivot][c] == 0.0) return false;
    std::swap(a[c], a[pivot]);
    std::swap(b[c], b[pivot]);
    for (int r = c + 1; r < 6; ++r) {
      const double f = a[r][c] / a[c][c];
      for (int k = c; k < 6; ++k) a[r][k] -= f * a[c][k];
      b[r] -= f * b[c];
    }
  }
  for (int r = 5; r >= 0; --r) {
    double s = b[r];
    for (int k = r + 1; k < 6; ++k) s -= a[r][k] * x[k];
    x[r] = s / a[r][r];
  }
  return true;
}

struct Candidate {
  const sgp4::MeanElements* base;
  double velocity_scale;  // s: velocity residuals in km/s times this are km-like
};

// State at the new epoch of a set with non-singular elements p; false if
// SGP4 refuses it.
bool state_of(const Candidate& c, const Vec6& p, Vec6& state) {
  const Vec6 k = from_nonsingular(p);
  sgp4::MeanElements el = *c.base;
  el.mean_motion = k[0];
  el.eccentricity = k[1];
  el.inclination = k[2];
  el.node = k[3];
  el.argument_of_perigee = k[4];
  el.mean_anomaly = k[5];
  if (el.kozai) el.mean_motion = sgp4::kozai_from_brouwer(k[0], k[1], k[2]);
  sgp4::Model model;
  if (sgp4::initialise(el, model) != sgp4::Failure::kNone) return false;
  sgp4::State s;
  if (sgp4::propagate(model, 0.0, s) != sgp4::Failure::kNone) return false;
  for (int j = 0; j < 3; ++j) {
    state[j] = s.position_km[j];
    state[3 + j] = s.velocity_km_s[j] * c.velocity_scale;
  }
  return true;
}

double max_abs(const Vec6& v) {
  double m = 0.0;
  for (double x : v) m = std::max(m, std::fabs(x));
  return m;
}

}  // namespace

int Sgp4ReepochTLE(Key sat_key, char* line1_out, char* line2_out, double ds50_utc) {
  detail::write_text(line1_out, "");
  detail::write_text(line2_out, "");
  const auto row = sgp4::find_row(sat_key, "Sgp4ReepochTLE");
  if (!row) return 1;
  sgp4::State target_state;
  if (!sgp4::propagate_row(*row, ds50_utc, "Sgp4ReepochTLE", target_state)) return 1;

  sgp4::MeanElements base = row->model.input;
  base.epoch_ds50_utc = ds50_utc;
  const Candidate candidate{&base, 1000.0};
  Vec6 target;
  for (int j = 0; j < 3; ++j) {
    target[j] = target_state.position_km[j];
    target[3 + j] = target_state.velocity_km_s[j] * candidate.velocity_scale;
  }

  // Start from SGP4's mean elements at the new epoch.
  Vec6 p = to_nonsingular(target_state.mean_motion, target_state.mean_eccentricity,
                          target_state.mean_inclination, target_state.mean_node,
                          target_state.mean_argument_of_perigee, target_state.mean_anomaly);
  const auto refuse = [&](const char* why) {
    return detail::fail("Sgp4ReepochTLE: satellite " + std::to_string(row->satellite_number) +
                        ": " + why);
  };
  Vec6 state;
  if (!state_of(candidate, p, state)) return refuse("SGP4 refuses the mean elements at the epoch");
  constexpr Vec6 kSteps{1e-10, 1e-8, 1e-8, 1e-8, 1e-8, 1e-8};
  for (int iteration = 0; iteration < 25; ++iteration) {
    Vec6 residual;
    for (int j = 0; j < 6; ++j) residual[j] = target[j] - state[j];
    if (max_abs(residual) < 1e-9) break;
    Mat6 jacobian;
    for (int k = 0; k < 6; ++k) {
      Vec6 plus = p, minus = p, s_plus, s_minus;
      plus[k] += kSteps[k];
      minus[k] -= kSteps[k];
      if (!state_of(candidate, plus, s_plus) || !state_of(candidate, minus, s_minus)) {
        return refuse("the element fit left SGP4's domain");
      }
      for (int j = 0; j < 6; ++j) jacobian[j][k] = (s_plus[j] - s_minus[j]) / (2.0 * kSteps[k]);
    }
    Vec6 delta{};
    if (!solve6(jacobian, residual, delta)) return refuse("the element fit is singular");
    Vec6 next = p;
    for (int k = 0; k < 6; ++k) next[k] += delta[k];
    Vec6 next_state;
    if (!state_of(candidate, next, next_state)) return refuse("the element fit left SGP4's domain");
    p = next;
    state = next_state;
  }

  const Vec6 k = from_nonsingular(p);
  tle::ElementArray xa = row->xa;
  xa[XA_TLE_EPOCH] = ds50_utc;
  const double n = base.kozai ? sgp4::kozai_from_brouwer(k[0], k[1], k[2]) : k[0];
  xa[XA_TLE_MNMOTN] = n * kRevDayPerRadMin;
  xa[XA_TLE_ECCEN] = k[1];
  xa[XA_TLE_INCLI] = k[2] * kDegPerRad;
  xa[XA_TLE_NODE] = k[3] * kDegPerRad;
  xa[XA_TLE_OMEGA] = k[4] * kDegPerRad;
  xa[XA_TLE_MNANOM] = k[5] * kDegPerRad;
  // Revolutions completed between the two epochs, counted at the node.
  const sgp4::Model& m = row->model;
  const double minutes = (ds50_utc - m.epoch_ds50_utc) * kMinutesPerDay;
  const double u0 = m.mo + m.argpo;
  const double u = u0 + (m.mdot + m.argpdot) * minutes;
  const double revs = std::floor(u / kTwoPi) - std::floor(u0 / kTwoPi);
  xa[XA_TLE_REVNUM] = std::max(0.0, std::fmod(xa[XA_TLE_REVNUM] + revs, 100000.0));

  tle::Lines lines;
  std::string error;
  if (!tle::format_lines(xa, row->xs, lines, error)) {
    return refuse(error.c_str());
  }
  for (std::string* line : {&lines.line1, &lines.line2}) {
    if (line == &lines.line1) {
      if ((*line)[50] == ' ') (*line)[50] = '+';
      if ((*line)[59] == ' ') (*line)[59] = '+';
    }
    line->push_back(static_cast<char>('0' + tle::check_digit(*line)));
  }
  detail::write_text(line1_out, lines.line1);
  detail::write_text(line2_out, lines.line2);
  return 0;
}

}  // namespace saal
