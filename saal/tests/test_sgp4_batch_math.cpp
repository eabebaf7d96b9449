#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "check.h"
#include "sgp4prop/vector_math.h"

namespace vm = saal::sgp4::vmath;

namespace {

// Distance from the C library's value in units of its last place: the
// batch kernel's own sine, cosine and arctangent must be about as good as
// libm's (itself within an ulp of the true value), or the batch states would
// drift from the per-call ones. Results below 2^-30 (arguments within 1e-9
// of a multiple of pi/2) are judged in units of 2^-82 instead: there the
// error is that of the argument reduction, ~1e-28 absolute, which is what
// enters a position built from these sines.
double ulps(double ours, double libm) {
  const double scale = std::max(std::fabs(libm), 0x1p-30);
  const double spacing = std::nextafter(scale, INFINITY) - scale;
  return std::fabs(ours - libm) / spacing;
}

}  // namespace

TEST(vector_sincos_is_within_two_ulp_of_libm) {
  std::mt19937_64 rng(20260);
  double worst = 0.0;
  // Small angles, a few turns, and the far times the secular terms reach.
  for (const double range : {0.8, 10.0, 1e3, 1e5}) {
    std::uniform_real_distribution<double> draw(-range, range);
    for (int k = 0; k < 200000; ++k) {
      const double x = draw(rng);
      double s, c;
      vm::sincos(x, s, c);
      worst = std::max({worst, ulps(s, std::sin(x)), ulps(c, std::cos(x))});
    }
  }
  // Either side of the quadrant boundaries, where the sign and polynomial
  // selection switch.
  for (int q = -2000; q <= 2000; ++q) {
    const double edge = q * (0.5 * std::numbers::pi);
    for (const double x : {std::nextafter(edge, -INFINITY), edge, std::nextafter(edge, INFINITY),
                           edge - 1e-3, edge + 1e-3}) {
      double s, c;
      vm::sincos(x, s, c);
      CHECK(std::signbit(s) == std::signbit(std::sin(x)) || std::fabs(std::sin(x)) < 1e-15);
      CHECK(std::signbit(c) == std::signbit(std::cos(x)) || std::fabs(std::cos(x)) < 1e-15);
      worst = std::max({worst, ulps(s, std::sin(x)), ulps(c, std::cos(x))});
    }
  }
  CHECK(worst <= 2.0);
}

// The reduction to |t| <= tan(pi/8) rounds once more above that ratio:
// 3 ulp there, 2 elsewhere.
TEST(vector_atan2_is_within_three_ulp_of_libm) {
  std::mt19937_64 rng(20261);
  std::uniform_real_distribution<double> angle(-std::numbers::pi, std::numbers::pi);
  std::uniform_real_distribution<double> log_radius(-6.0, 6.0);
  double worst = 0.0;
  for (int k = 0; k < 400000; ++k) {
    const double r = std::pow(10.0, log_radius(rng));
    const double a = angle(rng);
    const double y = r * std::sin(a), x = r * std::cos(a);
    worst = std::max(worst, ulps(vm::atan2(y, x), std::atan2(y, x)));
  }
  // The axes and the diagonals, where the reduction switches branches.
  for (const double y : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
    for (const double x : {-1.0, -0.5, 0.5, 1.0}) {
      worst = std::max(worst, ulps(vm::atan2(y, x), std::atan2(y, x)));
    }
  }
  CHECK(worst <= 3.0);
}

TEST(vector_fmod_two_pi_matches_libm) {
  std::mt19937_64 rng(20262);
  std::uniform_real_distribution<double> draw(-1e4, 1e4);
  for (int k = 0; k < 100000; ++k) {
    const double x = draw(rng);
    CHECK_NEAR(vm::fmod_two_pi(x), std::fmod(x, vm::kTwoPi), 1e-11);
  }
}
