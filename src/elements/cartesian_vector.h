// Three components x, y, z; the unit is that of the state holding the vector.
#pragma once

namespace qv {

struct CartesianVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

}  // namespace qv
