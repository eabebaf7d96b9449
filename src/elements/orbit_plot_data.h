// A satellite's orbit as column-oriented series for plotting, one list per
// quantity, each row one sample.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "elements/cartesian_state.h"
#include "lib/result.h"
#include "time/epoch.h"

namespace qv {

struct OrbitPlotState {
  double latitude = 0.0;         // geodetic, degrees
  double longitude = 0.0;        // degrees
  double altitude = 0.0;         // km above the ellipsoid
  double semi_major_axis = 0.0;  // km
  double eccentricity = 0.0;
  double inclination = 0.0;      // degrees
  double raan = 0.0;             // degrees
  double radius = 0.0;           // km from the Earth's centre
  double apogee_radius = 0.0;    // km
  double perigee_radius = 0.0;   // km
  Epoch epoch;
};

// A plot sample of six Keplerian elements in the layer's order (a, e, i, M,
// node, argument of perigee) at `epoch`; none when they give no position.
std::optional<OrbitPlotState> plot_state_from_keplerian(const double kep[6], const Epoch& epoch);

// A plot sample of a Cartesian state (through its osculating elements); none
// for a state without elliptic elements.
std::optional<OrbitPlotState> plot_state_from_cartesian(const CartesianState& state);

struct OrbitPlotData {
  std::string satellite_id;
  std::vector<std::string> epochs;  // ISO text of each sample's day count, unconverted
  std::vector<double> latitudes;
  std::vector<double> longitudes;
  std::vector<double> altitudes;
  std::vector<double> semi_major_axes;
  std::vector<double> eccentricities;
  std::vector<double> inclinations;
  std::vector<double> raans;
  std::vector<double> radii;
  std::vector<double> apogee_radii;
  std::vector<double> perigee_radii;

  // Appends one sample to every series; fails, appending nothing, when the
  // sample's day count has no calendar reading.
  Status add_state(const OrbitPlotState& state);
};

}  // namespace qv
