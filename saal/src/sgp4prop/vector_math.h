// Branch-free sine, cosine and arctangent for loops the compiler vectorises
// (the C library's versions are calls it cannot inline). Accuracy, measured
// in the layer's tests: sine and cosine within 2 ulp of the C library over
// |x| < 1e5 rad (1e-27 absolute next to their zeros), arctangent within 3.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace saal::sgp4::vmath {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

// sin and cos of x: x = q pi/2 + r with |r| <= pi/4 (pi/2 split in three
// parts, so r is exact for |q| below 2^20), then minimax polynomials on r.
inline void sincos(double x, double& s, double& c) {
  constexpr double kTwoOverPi = 0.63661977236758134308;
  constexpr double kPio2Hi = 1.57079632673412561417e+00;
  constexpr double kPio2Mid = 6.07710050630396597660e-11;
  constexpr double kPio2Lo = 2.02226624871116645580e-21;
  const double q = std::nearbyint(x * kTwoOverPi);
  const double r = ((x - q * kPio2Hi) - q * kPio2Mid) - q * kPio2Lo;
  const double z = r * r;
  const double ps =
      r + r * z *
              (-1.66666666666666324348e-01 +
               z * (8.33333333332248946124e-03 +
                    z * (-1.98412698298579493134e-04 +
                         z * (2.75573137070700676789e-06 +
                              z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)))));
  const double pc =
      1.0 - 0.5 * z +
      z * z *
          (4.16666666666666019037e-02 +
           z * (-1.38888888888741095749e-03 +
                z * (2.48015872894767294178e-05 +
                     z * (-2.75573143513906633035e-07 +
                          z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11)))));
  // Quadrant: q + 1.5 * 2^52 holds q's low bits (two's complement, for
  // |q| < 2^51) at the bottom of its mantissa. Bit 0 swaps the polynomials,
  // bit 1 of q and of q + 1 flip the signs of sine and cosine; all in
  // 64-bit integer lanes, which every vector instruction set has.
  constexpr double kShift = 6755399441055744.0;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(q + kShift);
  const std::uint64_t odd = 0 - (bits & 1);
  const std::uint64_t ps_bits = std::bit_cast<std::uint64_t>(ps);
  const std::uint64_t pc_bits = std::bit_cast<std::uint64_t>(pc);
  const std::uint64_t sv = (ps_bits & ~odd) | (pc_bits & odd);
  const std::uint64_t cv = (pc_bits & ~odd) | (ps_bits & odd);
  s = std::bit_cast<double>(sv ^ ((bits & 2) << 62));
  c = std::bit_cast<double>(cv ^ (((bits + 1) & 2) << 62));
}

// atan2(y, x) in (-pi, pi]: the ratio of the smaller to the larger
// magnitude is reduced to |t| <= tan(pi/8) around 0 or 1, then a polynomial
// fitted to atan on that interval (relative error 1.2e-16).
inline double atan2(double y, double x) {
  constexpr double kTanPi8 = 0.41421356237309504880;
  const double ax = std::fabs(x), ay = std::fabs(y);
  const double big = ax > ay ? ax : ay;
  const double small = ax > ay ? ay : ax;
  const double a = big > 0.0 ? small / big : 0.0;
  const bool upper = a > kTanPi8;
  const double t = upper ? (a - 1.0) / (a + 1.0) : a;
  const double z = t * t;
  const double p =
      -0.3333333333333329 +
      z * (0.1999999999997891 +
           z * (-0.14285714282543785 +
                z * (0.1111111089148181 +
                     z * (-0.09090900622537619 +
                          z * (0.07692107341314665 +
                               z * (-0.06663600935452967 +
                                    z * (0.058512531602501985 +
                                         z * (-0.050534493317882796 +
                                              z * (0.03840090414099664 +
                                                   z * -0.018252892452738936)))))))));
  double angle = (upper ? 0.25 * kPi : 0.0) + (t + t * z * p);  // atan(small/big)
  angle = ay > ax ? 0.5 * kPi - angle : angle;
  angle = x < 0.0 ? kPi - angle : angle;
  return y < 0.0 ? -angle : angle;
}

// fmod(x, 2 pi) with the sign of x, as the theory reduces angles.
inline double fmod_two_pi(double x) {
  constexpr double kInvTwoPi = 1.0 / kTwoPi;
  return x - kTwoPi * std::trunc(x * kInvTwoPi);
}

}  // namespace saal::sgp4::vmath
