// Range with right ascension and declination in degrees; stored unnormalised.
#pragma once

namespace qv {

struct CartesianVector;

struct SphericalVector {
  double range = 0.0;
  double right_ascension = 0.0;
  double declination = 0.0;

  CartesianVector to_cartesian() const;
};

}  // namespace qv
