#include <cmath>

#include "check.h"
#include "common/last_error.h"
#include "saal/saal.h"

namespace {

constexpr double kDay = 27000.5;

// Rotation about z by `a` then about x by `b`: a general orientation.
void rotate(const double in[6], double out[6], double a, double b) {
  for (int part = 0; part < 2; ++part) {
    const double* v = in + 3 * part;
    double* w = out + 3 * part;
    const double x = std::cos(a) * v[0] - std::sin(a) * v[1];
    const double y = std::sin(a) * v[0] + std::cos(a) * v[1];
    w[0] = x;
    w[1] = std::cos(b) * y - std::sin(b) * v[2];
    w[2] = std::sin(b) * y + std::cos(b) * v[2];
  }
}

}  // namespace

TEST(sat_state_difference_in_the_primary_orbit_frame) {
  // Primary on the x axis moving along y: radial x, in-track y, cross-track z.
  const double primary[6] = {7000, 0, 0, 0, 7.5, 0};
  const double secondary[6] = {7001, 2, 3, 0.1, 7.7, 0.3};
  double out[100];
  out[50] = 9.0;
  CHECK(saal::SatStateEphCom_OS(primary, secondary, 1, out, kDay) == 0);
  CHECK_NEAR(out[0], std::sqrt(14.0), 1e-12);
  CHECK_NEAR(out[1], 2.0 / 7.5, 1e-12);
  CHECK_NEAR(out[2], 1.0, 1e-12);
  CHECK_NEAR(out[3], 2.0, 1e-12);
  CHECK_NEAR(out[4], 3.0, 1e-12);
  CHECK_NEAR(out[5], std::sqrt(0.14), 1e-12);
  CHECK_NEAR(out[6], 0.1, 1e-12);
  CHECK_NEAR(out[7], 0.2, 1e-12);
  CHECK_NEAR(out[8], 0.3, 1e-12);
  const double r2 = std::sqrt(7001.0 * 7001.0 + 4.0 + 9.0);
  CHECK_NEAR(out[9], std::asin(3.0 / r2) * 57.29577951308232, 1e-12);
  CHECK_NEAR(out[10], r2 - 7000.0, 1e-9);
  const double h2x = 2 * 0.3 - 3 * 7.7, h2y = 3 * 0.1 - 7001 * 0.3, h2z = 7001 * 7.7 - 2 * 0.1;
  CHECK_NEAR(out[11], std::sqrt(h2x * h2x + h2y * h2y + h2z * h2z) - 7000 * 7.5, 1e-8);
  CHECK(out[50] == 0.0);
}

TEST(sat_state_difference_does_not_depend_on_the_inertial_axes) {
  const double primary[6] = {-4200, 5100, 1200, -5.1, -3.9, 3.3};
  const double secondary[6] = {-4190, 5125, 1180, -5.0, -4.0, 3.35};
  double p[6], s[6], out[100], rotated_out[100];
  rotate(primary, p, 0.7, -1.1);
  rotate(secondary, s, 0.7, -1.1);
  CHECK(saal::SatStateEphCom_OS(primary, secondary, 1, out, kDay) == 0);
  CHECK(saal::SatStateEphCom_OS(p, s, 1, rotated_out, kDay) == 0);
  for (int i = 0; i < 12; ++i) CHECK_NEAR(out[i], rotated_out[i], 1e-9);
}

TEST(sat_state_difference_refuses_bad_input) {
  const double good[6] = {7000, 0, 0, 0, 7.5, 0};
  const double radial_only[6] = {7000, 0, 0, 1.0, 0, 0};
  const double with_nan[6] = {7000, 0, NAN, 0, 7.5, 0};
  double out[100];
  CHECK(saal::SatStateEphCom_OS(good, good, 2, out, kDay) != 0);
  CHECK(saal::detail::last_error().find("unknown option 2") != std::string::npos);
  CHECK(saal::SatStateEphCom_OS(good, with_nan, 1, out, kDay) != 0);
  CHECK(saal::SatStateEphCom_OS(good, good, 1, out, NAN) != 0);
  CHECK(saal::SatStateEphCom_OS(radial_only, good, 1, out, kDay) != 0);
  CHECK(saal::detail::last_error().find("no orbit plane") != std::string::npos);
  bool all_zero = true;
  for (double v : out) all_zero = all_zero && v == 0.0;
  CHECK(all_zero);
}
