// Element conversions of the astrodynamics layer: mean motion, Keplerian,
// equinoctial and osculating-to-mean.
#include <cmath>
#include <string>

#include "astrofunc/short_period.h"
#include "check.h"
#include "common/last_error.h"
#include "saal/saal.h"

namespace {

double rel_diff3(const double* a, const double* b) {
  const double d = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
  return d / std::hypot(a[0], a[1], a[2]);
}

bool error_mentions(const char* word) {
  return saal::detail::last_error().find(word) != std::string::npos;
}

}  // namespace

TEST(mean_motion_round_trips_and_geo_value) {
  // A geosynchronous orbit (42164.17 km) makes one turn per sidereal day.
  CHECK_NEAR(saal::AToN(42164.17), 1.00273791, 2e-6);
  for (double n : {0.5, 1.0027, 14.2, 16.5}) {
    CHECK_NEAR(saal::AToN(saal::NToA(n)), n, 1e-13 * n);
    const double brouwer = saal::KozaiToBrouwer(0.01, 51.6, n);
    CHECK_NEAR(saal::BrouwerToKozai(0.01, 51.6, brouwer), n, 1e-13 * n);
  }
}

TEST(kozai_correction_has_the_j2_sign) {
  // Below the critical inclination J2 shortens the period: Brouwer n < Kozai n.
  CHECK(saal::KozaiToBrouwer(0.001, 30.0, 15.0) < 15.0);
  CHECK(saal::KozaiToBrouwer(0.001, 80.0, 15.0) > 15.0);
}

TEST(mean_motion_rejects_bad_input) {
  CHECK(saal::AToN(-7000.0) == 0.0);
  CHECK(error_mentions("AToN"));
  CHECK(saal::NToA(std::nan("")) == 0.0);
  CHECK(saal::KozaiToBrouwer(1.0, 10.0, 15.0) == 0.0);
  CHECK(error_mentions("eccentricity"));
}

TEST(keplerian_state_round_trip_over_eccentricity_and_inclination) {
  // Includes e = 0 and i = 0 exactly, and retrograde equatorial i = 180.
  double worst = 0.0;
  for (double e : {0.0, 1e-12, 1e-5, 0.1, 0.5, 0.9, 0.99}) {
    for (double incl : {0.0, 1e-10, 28.5, 90.0, 151.0, 180.0}) {
      for (double mean_anom : {0.0, 95.0, 270.0}) {
        const double kep[6] = {7000.0 / (1.0 - e), e, incl, mean_anom, 33.0, 77.0};
        double pos[3], vel[3], back[6], pos2[3], vel2[3];
        CHECK(saal::KepToPosVel(kep, pos, vel) == 0);
        CHECK(saal::PosVelToKep(pos, vel, back) == 0);
        CHECK(saal::KepToPosVel(back, pos2, vel2) == 0);
        worst = std::fmax(worst, std::fmax(rel_diff3(pos, pos2), rel_diff3(vel, vel2)));
        CHECK_NEAR(back[0], kep[0], 1e-12 * kep[0]);
        CHECK_NEAR(back[1], e, 1e-12);
        CHECK_NEAR(back[2], incl, 1e-10);
      }
    }
  }
  CHECK(worst <= 1e-12);
}

TEST(keplerian_elements_come_back_for_non_singular_orbits) {
  const double kep[6] = {26560.0, 0.7, 63.4, 123.0, 250.0, 270.0};
  double pos[3], vel[3], back[6];
  CHECK(saal::KepToPosVel(kep, pos, vel) == 0);
  CHECK(saal::PosVelToKep(pos, vel, back) == 0);
  for (int k = 0; k < 6; ++k) CHECK_NEAR(back[k], kep[k], 1e-9 * std::fmax(1.0, kep[k]));
}

TEST(circular_equatorial_angles_collapse_into_mean_anomaly) {
  const double kep[6] = {7000.0, 0.0, 0.0, 40.0, 30.0, 20.0};
  double pos[3], vel[3], back[6];
  CHECK(saal::KepToPosVel(kep, pos, vel) == 0);
  CHECK(saal::PosVelToKep(pos, vel, back) == 0);
  CHECK_NEAR(back[4], 0.0, 0.0);
  CHECK_NEAR(back[5], 0.0, 0.0);
  CHECK_NEAR(back[3], 90.0, 1e-10);
  CHECK(back[1] < 1e-15);
}

TEST(keplerian_conversions_refuse_non_elliptic_and_bad_input) {
  double pos[3], vel[3], kep[6];
  const double hyperbolic[6] = {7000.0, 1.2, 10.0, 0.0, 0.0, 0.0};
  CHECK(saal::KepToPosVel(hyperbolic, pos, vel) != 0);
  CHECK(error_mentions("elliptic"));
  CHECK(pos[0] == 0.0 && vel[0] == 0.0);

  const double r[3] = {7000.0, 0.0, 0.0}, v_escape[3] = {0.0, 12.0, 0.0};
  CHECK(saal::PosVelToKep(r, v_escape, kep) != 0);
  CHECK(error_mentions("not elliptic"));
  const double zero[3] = {0.0, 0.0, 0.0}, v[3] = {0.0, 7.5, 0.0};
  CHECK(saal::PosVelToKep(zero, v, kep) != 0);
  CHECK(error_mentions("zero vector"));
  const double radial[3] = {1.0, 0.0, 0.0};
  CHECK(saal::PosVelToKep(r, radial, kep) != 0);
  const double nan_kep[6] = {7000.0, std::nan(""), 0.0, 0.0, 0.0, 0.0};
  CHECK(saal::KepToPosVel(nan_kep, pos, vel) != 0);
  for (double x : kep) CHECK(x == 0.0);
}

TEST(equinoctial_round_trip) {
  const double kep[6] = {7200.0, 0.02, 98.7, 10.0, 200.0, 300.0};
  double eqnx[6], back[6];
  CHECK(saal::KepToEqnx(kep, eqnx) == 0);
  CHECK_NEAR(eqnx[5], saal::AToN(7200.0), 1e-14);
  CHECK_NEAR(eqnx[4], 150.0, 1e-12);
  CHECK(saal::EqnxToKep(eqnx, back) == 0);
  for (int k = 0; k < 6; ++k) CHECK_NEAR(back[k], kep[k], 1e-10 * std::fmax(1.0, kep[k]));
  const double bad[6] = {0.8, 0.8, 0.0, 0.0, 0.0, 15.0};
  CHECK(saal::EqnxToKep(bad, back) != 0);
}

// SGP4 state at epoch of the ISS element set below (WGS-72), from the `sgp4`
// package (Vallado's implementation):
// 1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927
// 2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537
TEST(osculating_to_mean_reproduces_an_sgp4_state) {
  const double pos[3] = {4083.902463520656, -993.6319996058096, 5243.603665370765};
  const double vel[3] = {2.512837295156162, 7.259888524980963, -0.5837785365057586};
  double osc[6], mean[6], pos2[3], vel2[3];
  CHECK(saal::PosVelToKep(pos, vel, osc) == 0);
  CHECK(saal::KepOscToMean(osc, mean) == 0);
  CHECK(saal::detail::brouwer_mean_to_osculating(mean, pos2, vel2) == 0);
  const double dr = std::hypot(pos[0] - pos2[0], pos[1] - pos2[1], pos[2] - pos2[2]);
  CHECK(dr < 1e-6);
  // SGP4's own Brouwer axis and inclination of the element set: the state at
  // epoch adds only short-period terms to them (its long-period terms move e
  // and the mean longitude, not a or i).
  CHECK_NEAR(mean[0], 6731.470970158624, 1e-6);
  CHECK_NEAR(mean[2], 51.6416, 1e-9);
}

TEST(osculating_to_mean_is_robust_for_circular_equatorial_orbits) {
  const double osc[6] = {7000.0, 0.0, 0.0, 10.0, 0.0, 0.0};
  double mean[6], pos[3], vel[3], pos2[3], vel2[3];
  CHECK(saal::KepOscToMean(osc, mean) == 0);
  CHECK(saal::KepToPosVel(osc, pos, vel) == 0);
  CHECK(saal::detail::brouwer_mean_to_osculating(mean, pos2, vel2) == 0);
  CHECK(rel_diff3(pos, pos2) < 1e-12);
  CHECK(rel_diff3(vel, vel2) < 1e-12);
  const double hyperbolic[6] = {7000.0, 1.5, 0.0, 10.0, 0.0, 0.0};
  CHECK(saal::KepOscToMean(hyperbolic, mean) != 0);
}
