#include <cmath>

#include "elements/cartesian_vector.h"
#include "elements/spherical_vector.h"

namespace qv {

CartesianVector SphericalVector::to_cartesian() const {
  constexpr double kRadPerDeg = 0.017453292519943295;
  const double a = right_ascension * kRadPerDeg, d = declination * kRadPerDeg;
  return {range * std::cos(d) * std::cos(a), range * std::cos(d) * std::sin(a), range * std::sin(d)};
}

}  // namespace qv
