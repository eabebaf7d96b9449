// Frame rotations, geodetic and topocentric conversions of the layer.
#include <cmath>
#include <string>

#include "check.h"
#include "common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"

namespace {

constexpr double kDay = 26000.25;  // 2021-03-08 06:00 UTC

double dist3(const double* a, const double* b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

}  // namespace

TEST(j2000_to_teme_matches_the_iau_1976_1980_chain) {
  // Reference: pyerfa, Rz(eqeq94) * numat(obl80, nut80) * pmat76 at TT = TAI + 32.184 s.
  const double r[3] = {-2000.0, 6500.0, 1500.0}, v[3] = {1.0, 2.0, 3.0};
  double r_date[3], v_date[3], r_back[3], v_back[3];
  CHECK(saal::RotJ2KToDate(0, 106, r, v, r_date, v_date, kDay) == 0);
  CHECK_NEAR(r_date[0], -2033.805422377892, 1e-9);
  CHECK_NEAR(r_date[1], 6490.4253096090315, 1e-9);
  CHECK_NEAR(r_date[2], 1495.999600365177, 1e-9);
  CHECK(saal::RotDateToJ2K(0, 106, r_date, v_date, r_back, v_back, kDay) == 0);
  CHECK(dist3(r, r_back) < 1e-9);
  CHECK(dist3(v, v_back) < 1e-12);
}

TEST(j2000_rotation_refuses_other_theories) {
  const double r[3] = {7000.0, 0.0, 0.0}, v[3] = {0.0, 7.5, 0.0};
  double ro[3], vo[3];
  CHECK(saal::RotJ2KToDate(0, 4, r, v, ro, vo, kDay) != 0);
  CHECK(saal::detail::last_error().find("106") != std::string::npos);
  CHECK(ro[0] == 0.0);
}

TEST(radec_equinox_rotation_matches_state_rotation) {
  const double ra = 123.4, dec = -25.0;
  double ra_j2k = 0.0, dec_j2k = 0.0, ra_back = 0.0, dec_back = 0.0;
  CHECK(saal::RotRADec_DateToEqnx(106, 2, &ra_j2k, &dec_j2k, kDay, ra, dec) == 0);
  CHECK(saal::RotRADec_EqnxToDate(106, 2, &ra_back, &dec_back, kDay, ra_j2k, dec_j2k) == 0);
  CHECK_NEAR(ra_back, ra, 1e-10);
  CHECK_NEAR(dec_back, dec, 1e-10);
  // Twenty-one years of precession move a direction by about 0.3 deg.
  CHECK(std::fabs(ra_j2k - ra) > 0.1 && std::fabs(ra_j2k - ra) < 0.5);
  CHECK(saal::RotRADec_DateToEqnx(106, 3, &ra_j2k, &dec_j2k, kDay, ra, dec) != 0);
}

TEST(earth_fixed_chain_round_trips_and_site_velocity_is_earth_rotation) {
  const double r[3] = {5000.0, -3000.0, 3500.0}, v[3] = {-1.0, 4.0, 5.5};
  double efg_r[3], efg_v[3], ecr_r[3], ecr_v[3], r2[3], v2[3], r3[3], v3[3];
  CHECK(saal::ECIToEFGTime(r, v, efg_r, efg_v, kDay) == 0);
  CHECK(saal::EFGToECRTime(efg_r, efg_v, ecr_r, ecr_v, kDay) == 0);
  CHECK(saal::ECRToEFGTime(ecr_r, ecr_v, r2, v2, kDay) == 0);
  CHECK(saal::EFGToECITime(r2, v2, r3, v3, kDay) == 0);
  CHECK(dist3(r, r3) < 1e-9);
  CHECK(dist3(v, v3) < 1e-12);
  // A point at rest on the Earth moves at w x r in TEME.
  const double site[3] = {6378.0, 0.0, 0.0}, rest[3] = {0.0, 0.0, 0.0};
  double teme_r[3], teme_v[3];
  CHECK(saal::EFGToECITime(site, rest, teme_r, teme_v, kDay) == 0);
  CHECK_NEAR(std::hypot(teme_v[0], teme_v[1]), 6378.0 * saal::kEarthRotationRadPerSec, 1e-12);
  const double bad[3] = {std::nan(""), 0.0, 0.0};
  CHECK(saal::ECIToEFGTime(bad, v, efg_r, efg_v, kDay) != 0);
}

TEST(geodetic_round_trip_from_poles_to_beyond_geo) {
  const double table[][3] = {{0.0, 0.0, 0.0},       {90.0, 0.0, 500.0},   {-90.0, 0.0, 10.0},
                             {45.0, -120.0, -400.0}, {-33.9, 151.2, 0.05}, {1e-9, 179.999, 40000.0},
                             {89.9999, 45.0, 35786.0}};
  for (const auto& llh : table) {
    double r[3], back[3];
    saal::LLHToXYZTime(llh, r, kDay);
    saal::XYZToLLHTime(r, back, kDay);
    CHECK_NEAR(back[0], llh[0], 1e-9);
    if (std::fabs(llh[0]) < 90.0) CHECK_NEAR(back[1], llh[1], 1e-9);
    CHECK_NEAR(back[2], llh[2], 1e-6);
  }
}

TEST(geodetic_of_known_points_and_zero_vector) {
  double llh[3];
  const double equator[3] = {saal::kWgs84.radius_km, 0.0, 0.0};
  CHECK(saal::EFGPosToLLH(equator, llh) == 0);
  CHECK_NEAR(llh[0], 0.0, 1e-12);
  CHECK_NEAR(llh[2], 0.0, 1e-9);
  const double pole[3] = {0.0, 0.0, 7000.0};
  CHECK(saal::EFGPosToLLH(pole, llh) == 0);
  CHECK_NEAR(llh[0], 90.0, 1e-12);
  CHECK_NEAR(llh[2], 7000.0 - saal::kWgs84.radius_km * (1.0 - saal::kWgs84.flattening), 1e-9);
  const double zero[3] = {0.0, 0.0, 0.0};
  CHECK(saal::EFGPosToLLH(zero, llh) != 0);
  CHECK(llh[0] == 0.0 && llh[1] == 0.0 && llh[2] == 0.0);
  // Rotating by the Greenwich angle moves the longitude by the same amount.
  const double teme[3] = {7000.0, 0.0, 0.0};
  saal::XYZToLLH(teme, llh, 0.5);
  CHECK_NEAR(llh[1], -0.5 * 180.0 / 3.141592653589793, 1e-12);
}

TEST(topocentric_and_horizon_round_trip) {
  const double site_llh[3] = {40.0, -105.0, 1.6};
  double site[3];
  saal::LLHToXYZTime(site_llh, site, kDay);
  const double lst = saal::ThetaGrnwchFK5(saal::UTCToUT1(kDay)) - 105.0 * 3.141592653589793 / 180;
  const double rae[6] = {1500.0, 75.0, 35.0, -3.2, 0.4, 0.15};
  double sat[3], vel[3], topo[10];
  saal::RAEToECI(rae, site, sat, vel, lst, 40.0);
  saal::ECIToTopoComps(site, sat, vel, topo, lst, 40.0);
  CHECK_NEAR(topo[4], 1500.0, 1e-8);
  CHECK_NEAR(topo[2], 75.0, 1e-9);
  CHECK_NEAR(topo[3], 35.0, 1e-9);
  CHECK_NEAR(topo[9], -3.2, 1e-10);
  CHECK_NEAR(topo[7], 0.4, 1e-10);
  CHECK_NEAR(topo[8], 0.15, 1e-10);
  // Azimuth/elevation of the topocentric right ascension and declination agree.
  double az = 0.0, el = 0.0;
  saal::RaDecToAzEl(&az, &el, lst + 105.0 * 3.141592653589793 / 180, 40.0, -105.0, topo[0], topo[1]);
  CHECK_NEAR(az, 75.0, 1e-9);
  CHECK_NEAR(el, 35.0, 1e-9);
}

TEST(topocentric_failure_leaves_all_outputs_zero) {
  const double site[3] = {6378.0, 0.0, 0.0}, vel[3] = {0.0, 7.0, 0.0};
  double topo[10];
  saal::ECIToTopoComps(site, site, vel, topo, 0.0, 0.0);
  for (double x : topo) CHECK(x == 0.0);
  CHECK(saal::detail::last_error().find("zero range") != std::string::npos);
  const double rae[6] = {-5.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  double pos[3], v[3];
  saal::RAEToECI(rae, site, pos, v, 0.0, 0.0);
  CHECK(pos[0] == 0.0 && v[0] == 0.0);
}
