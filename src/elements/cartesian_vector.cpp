#include <algorithm>
#include <cmath>

#include "elements/cartesian_vector.h"
#include "elements/spherical_vector.h"

namespace qv {
namespace {
constexpr double kDegPerRad = 57.29577951308232;
}  // namespace

double CartesianVector::magnitude() const { return std::sqrt(x * x + y * y + z * z); }

double CartesianVector::dot(const CartesianVector& o) const { return x * o.x + y * o.y + z * o.z; }

double CartesianVector::angle(const CartesianVector& o) const {
  const double p = magnitude() * o.magnitude();
  if (p == 0.0) return 0.0;
  // Rounding can push the cosine of (anti)parallel vectors just past +-1.
  return std::acos(std::clamp(dot(o) / p, -1.0, 1.0));
}

double CartesianVector::distance(const CartesianVector& o) const { return (*this - o).magnitude(); }

SphericalVector CartesianVector::to_spherical() const {
  // atan2 gives -180 for a y of -0.0; the range is (-180, 180].
  const double ra = std::atan2(y, x) * kDegPerRad;
  return {magnitude(), ra == -180.0 ? 180.0 : ra,
          std::atan2(z, std::sqrt(x * x + y * y)) * kDegPerRad};
}

CartesianVector operator+(const CartesianVector& a, const CartesianVector& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}

CartesianVector operator-(const CartesianVector& a, const CartesianVector& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

}  // namespace qv
