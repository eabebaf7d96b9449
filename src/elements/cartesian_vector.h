// Three components x, y, z; the unit is that of the state holding the vector.
#pragma once

#include <array>

namespace qv {

struct SphericalVector;

struct CartesianVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  std::array<double, 3> to_array() const { return {x, y, z}; }
  static CartesianVector from_array(const double* v) { return {v[0], v[1], v[2]}; }

  double magnitude() const;
  double dot(const CartesianVector& other) const;
  // Radians; 0 when either vector is zero, 0 or pi for (anti)parallel ones.
  double angle(const CartesianVector& other) const;
  double distance(const CartesianVector& other) const;
  // Right ascension in (-180, 180], declination in [-90, 90], degrees.
  SphericalVector to_spherical() const;
};

CartesianVector operator+(const CartesianVector& a, const CartesianVector& b);
CartesianVector operator-(const CartesianVector& a, const CartesianVector& b);

}  // namespace qv
