// Non-singular equinoctial elements, in the order of the layer's array:
// af, ag (eccentricity), chi, psi (inclination), mean longitude (deg), mean
// motion (rev/day).
#pragma once

#include <array>

#include "lib/result.h"

namespace qv {

struct KeplerianElements;

struct EquinoctialElements {
  double a_f = 0.0;
  double a_g = 0.0;
  double chi = 0.0;
  double psi = 0.0;
  double mean_longitude = 0.0;
  double mean_motion = 0.0;

  std::array<double, 6> to_array() const { return {a_f, a_g, chi, psi, mean_longitude, mean_motion}; }
  Result<KeplerianElements> to_keplerian() const;
};

}  // namespace qv
