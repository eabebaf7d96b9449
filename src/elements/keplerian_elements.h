// Classical elements: km and degrees. Field order differs from the layer's
// six-value array (a, e, i, M, node, argument of perigee).
#pragma once

namespace qv {

struct KeplerianElements {
  double semi_major_axis = 0.0;
  double eccentricity = 0.0;
  double inclination = 0.0;
  double raan = 0.0;
  double argument_of_perigee = 0.0;
  double mean_anomaly = 0.0;
};

}  // namespace qv
