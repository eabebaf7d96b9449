// Small 3-vector and 3x3 rotation helpers shared by the astrodynamics operations.
#pragma once

#include <array>
#include <cmath>

namespace saal::detail {

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<std::array<double, 3>, 3>;

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kDegToRad = kPi / 180.0;
inline constexpr double kRadToDeg = 180.0 / kPi;

inline Vec3 load3(const double* v) { return {v[0], v[1], v[2]}; }
inline void store3(const Vec3& v, double* out) {
  out[0] = v[0];
  out[1] = v[1];
  out[2] = v[2];
}

inline double dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
inline double norm(const Vec3& a) { return std::sqrt(dot(a, a)); }
inline Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline Vec3 operator*(double s, const Vec3& a) { return {s * a[0], s * a[1], s * a[2]}; }

inline Vec3 mul(const Mat3& m, const Vec3& v) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
          m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}
inline Vec3 mul_transposed(const Mat3& m, const Vec3& v) {
  return {m[0][0] * v[0] + m[1][0] * v[1] + m[2][0] * v[2],
          m[0][1] * v[0] + m[1][1] * v[1] + m[2][1] * v[2],
          m[0][2] * v[0] + m[1][2] * v[1] + m[2][2] * v[2]};
}

// Frame rotation about z by angle (rad): components of a fixed vector in axes
// turned by +angle.
inline Vec3 rot_z(const Vec3& v, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {c * v[0] + s * v[1], -s * v[0] + c * v[1], v[2]};
}

inline bool finite3(const double* v) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}
inline bool finite_n(const double* v, int n) {
  for (int k = 0; k < n; ++k) {
    if (!std::isfinite(v[k])) return false;
  }
  return true;
}
inline bool zero3(const double* v) { return v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0; }

// Angle in degrees wrapped into [0, 360).
inline double wrap360(double deg) {
  double w = std::fmod(deg, 360.0);
  if (w < 0.0) w += 360.0;
  return w >= 360.0 ? 0.0 : w;
}

}  // namespace saal::detail
