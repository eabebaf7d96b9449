// SGP4/SDP4 general-perturbations theory (Hoots & Roehrich's analytic model
// with the 2006 corrections), WGS-72 constants, the operational (AFSPC) mode:
// the Greenwich angle of epoch from the 1970-based polynomial and the node
// kept in [0, 2 pi) in the low-inclination lunar-solar periodics.
//
// Units inside the model: Earth radii, minutes, radians. Periods of 225
// minutes or more select the deep-space branch (lunar-solar secular and
// periodic terms, 12-hour and 24-hour resonances).
//
// Accuracy: matches an independent SGP4 in the same mode to about 1e-8 km in
// position on the published verification set (see the layer's tests).
#pragma once

#include <vector>

namespace saal::sgp4 {

// Mean elements of one set at its epoch, as the theory takes them.
struct MeanElements {
  double epoch_ds50_utc;     // days since 1950 UTC
  double mean_motion;        // rad/min (Brouwer, or Kozai when `kozai`)
  double eccentricity;
  double inclination;        // rad
  double node;               // rad
  double argument_of_perigee;  // rad
  double mean_anomaly;       // rad
  double bstar;              // 1/Earth radii
  bool kozai;                // mean motion given in the Kozai sense
};

// Why a propagation failed; the numbers are those of the published code.
enum class Failure : int {
  kNone = 0,
  kMeanEccentricity = 1,       // mean eccentricity outside [-0.001, 1)
  kMeanMotion = 2,             // mean motion <= 0
  kPerturbedEccentricity = 3,  // eccentricity after lunar-solar periodics outside [0, 1]
  kSemiLatusRectum = 4,        // semi-latus rectum < 0
  kDecayed = 6,                // radius below one Earth radius
  kNotFinite = 7,              // the state overflowed or is not a number
};

const char* failure_text(Failure failure);

// State of the resonance integration at one of its nodes (multiples of 720
// minutes from epoch), with the rates there.
struct ResonanceNode {
  double atime, xli, xni, xndt, xnddt, xldot;
};

// Deep-space (SDP4) coefficients, set at initialisation.
struct DeepSpace {
  int resonance;  // 0 none, 1 synchronous (24 h), 2 half-day (12 h)
  // lunar-solar periodic coefficients
  double e3, ee2, se2, se3, sgh2, sgh3, sgh4, sh2, sh3, si2, si3, sl2, sl3, sl4;
  double xgh2, xgh3, xgh4, xh2, xh3, xi2, xi3, xl2, xl3, xl4, zmol, zmos;
  // lunar-solar secular rates
  double dedt, didt, dmdt, dnodt, domdt;
  // resonance coefficients
  double d2201, d2211, d3210, d3222, d4410, d4422, d5220, d5232, d5421, d5433;
  double del1, del2, del3, xfact, xlamo;
  // Resonance nodes from epoch onwards and backwards (index = steps taken),
  // computed once so that propagation within them integrates nothing.
  std::vector<ResonanceNode> forward_nodes, backward_nodes;
};

// Everything the propagation needs, fixed at initialisation.
struct Model {
  // Set when the elements admit no model (mean motion <= 0, eccentricity
  // outside [0, 1)); every propagation then fails with it.
  Failure unusable = Failure::kNone;
  MeanElements input;  // as given (mean motion converted to Brouwer below)
  double no;           // Brouwer mean motion, rad/min
  double ecco, inclo, nodeo, argpo, mo, bstar;
  double epoch_ds50_utc;
  bool deep_space;
  bool simple_drag;  // perigee below 220 km, or deep space: first-order drag only
  double ao;  // Brouwer semi-major axis, (ke/no)^(2/3), Earth radii
  double cosio, sinio, con41, x1mth2, x7thm1, eta;
  double cc1, cc4, cc5, d2, d3, d4, delmo, sinmao;
  double mdot, argpdot, nodedot, nodecf, omgcof, xmcof, xlcof, aycof;
  double t2cof, t3cof, t4cof, t5cof;
  double gsto;  // Greenwich angle at epoch, rad
  DeepSpace ds;
};

// The state and the mean elements at one time.
struct State {
  double position_km[3];
  double velocity_km_s[3];
  // mean elements after secular, drag and resonance terms
  double mean_semi_major_axis_er;
  double mean_eccentricity;
  double mean_inclination;
  double mean_node;
  double mean_argument_of_perigee;
  double mean_anomaly;
  double mean_motion;  // rad/min
};

// Builds the model and propagates to epoch, returning that failure if any;
// the model stays usable for other times unless `model.unusable` is set.
Failure initialise(const MeanElements& elements, Model& model);

// Propagates to `minutes_since_epoch`. On failure the state is not usable.
Failure propagate(const Model& model, double minutes_since_epoch, State& state);

// Kozai mean motion (rad/min) to Brouwer, the theory's own conversion.
double brouwer_from_kozai(double kozai_mean_motion, double eccentricity, double inclination);

// Inverse of brouwer_from_kozai, by fixed-point iteration to machine precision.
double kozai_from_brouwer(double brouwer_mean_motion, double eccentricity, double inclination);

}  // namespace saal::sgp4
