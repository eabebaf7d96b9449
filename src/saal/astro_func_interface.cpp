#include "saal/astro_func_interface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>

#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv::astro {
namespace {

constexpr int kNutationTerms = 106;

bool all_zero(const double* v, int n) {
  for (int k = 0; k < n; ++k) {
    if (v[k] != 0.0) return false;
  }
  return true;
}

bool finite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool finite3(const Vec3& v) { return finite({v[0], v[1], v[2]}); }

Result<Vec3> checked_position(const char* op, const Vec3& pos) {
  if (!finite3(pos)) return fail(std::string(op) + ": position must be finite numbers");
  if (pos[0] == 0.0 && pos[1] == 0.0 && pos[2] == 0.0) {
    return fail(std::string(op) + ": position is the zero vector (no geodetic point)");
  }
  return pos;
}

Result<double> nonzero_or_failure(double value) {
  if (value == 0.0) return saal_failure();
  return value;
}

Result<std::pair<double, double>> rotate_radec(bool to_equinox, int yr, double ds50_utc,
                                               double ra, double dec) {
  double ra_out = 0.0, dec_out = 0.0;
  const int rc = to_equinox
                     ? saal::RotRADec_DateToEqnx(kNutationTerms, yr, &ra_out, &dec_out, ds50_utc, ra, dec)
                     : saal::RotRADec_EqnxToDate(kNutationTerms, yr, &ra_out, &dec_out, ds50_utc, ra, dec);
  if (rc != 0) return saal_failure();
  return std::pair{ra_out, dec_out};
}

}  // namespace

Result<TopoArray> teme_to_topo(double theta, double lat, const Vec3& sen_pos, const Vec3& sat_pos,
                               const Vec3& sat_vel) {
  TopoArray topo{};
  saal::ECIToTopoComps(sen_pos.data(), sat_pos.data(), sat_vel.data(), topo.data(), theta, lat);
  if (all_zero(topo.data(), 10)) return saal_failure();
  return topo;
}

Result<Vec6> horizon_to_teme(double theta, double lat, const Vec3& sen_pos, const Vec6& xa_rae) {
  Vec6 out{};
  saal::RAEToECI(xa_rae.data(), sen_pos.data(), out.data(), out.data() + 3, theta, lat);
  if (all_zero(out.data(), 6)) return saal_failure();
  return out;
}

Result<std::array<double, 2>> ra_dec_to_az_el_time(double ds50_utc, double lat, double lon,
                                                   double ra, double dec) {
  if (!finite({ds50_utc, lat, lon, ra, dec})) {
    return fail("ra_dec_to_az_el_time: arguments must be finite numbers");
  }
  std::array<double, 2> az_el{};
  saal::RaDecToAzElTime(&az_el[0], &az_el[1], ds50_utc, lat, lon, ra, dec);
  return az_el;
}

Result<std::array<double, 2>> ra_dec_to_az_el(double theta, double lat, double lon, double ra,
                                              double dec) {
  if (!finite({theta, lat, lon, ra, dec})) {
    return fail("ra_dec_to_az_el: arguments must be finite numbers");
  }
  std::array<double, 2> az_el{};
  saal::RaDecToAzEl(&az_el[0], &az_el[1], theta, lat, lon, ra, dec);
  return az_el;
}

Result<Vec3> theta_teme_to_lla(double theta, const Vec3& teme_pos) {
  auto pos = checked_position("theta_teme_to_lla", teme_pos);
  if (!pos) return pos.error();
  if (!std::isfinite(theta)) return fail("theta_teme_to_lla: theta must be a finite number");
  double llh[3];
  saal::XYZToLLH(teme_pos.data(), llh, theta);
  return Vec3{llh[0], llh[1], llh[2]};
}

Result<Vec3> time_teme_to_lla(double ds50_utc, const Vec3& teme_pos) {
  auto pos = checked_position("time_teme_to_lla", teme_pos);
  if (!pos) return pos.error();
  if (!std::isfinite(ds50_utc)) return fail("time_teme_to_lla: ds50utc must be a finite number");
  double llh[3];
  saal::XYZToLLHTime(teme_pos.data(), llh, ds50_utc);
  return Vec3{llh[0], llh[1], llh[2]};
}

Result<Vec3> efg_to_geodetic(const Vec3& efg_pos) {
  if (efg_pos[0] == 0.0 && efg_pos[1] == 0.0 && efg_pos[2] == 0.0) {
    return fail("Input EFG position is zero vector.");
  }
  double llh[3] = {0.0, 0.0, 0.0};
  // The return code decides: (0, 0, 0) is a real point on the equator.
  if (saal::EFGPosToLLH(efg_pos.data(), llh) != 0) return saal_failure();
  return Vec3{llh[0], llh[1], llh[2]};
}

Result<double> mean_motion_to_sma(double mean_motion) {
  return nonzero_or_failure(saal::NToA(mean_motion));
}

Result<double> sma_to_mean_motion(double sma) { return nonzero_or_failure(saal::AToN(sma)); }

Result<double> kozai_to_brouwer(double eccentricity, double inclination, double mean_motion) {
  return nonzero_or_failure(saal::KozaiToBrouwer(eccentricity, inclination, mean_motion));
}

Result<double> brouwer_to_kozai(double eccentricity, double inclination, double mean_motion) {
  return nonzero_or_failure(saal::BrouwerToKozai(eccentricity, inclination, mean_motion));
}

Result<std::pair<double, double>> topo_date_to_equinox(int yr_of_equinox, double ds50_utc,
                                                       double ra, double dec) {
  return rotate_radec(true, yr_of_equinox, ds50_utc, ra, dec);
}

Result<std::pair<double, double>> topo_equinox_to_date(int yr_of_equinox, double ds50_utc,
                                                       double ra, double dec) {
  return rotate_radec(false, yr_of_equinox, ds50_utc, ra, dec);
}

Result<std::pair<Vec3, Vec3>> jpl_sun_and_moon_position(double ds50_utc) {
  Vec3 sun{}, moon{};
  if (saal::JplCompSunMoonPos(sun.data(), moon.data(), ds50_utc) != 0) return saal_failure();
  return std::pair{sun, moon};
}

Status set_jpl_ephemeris_file_path(const std::string& jpl_path) {
  char buffer[saal::kTextBufferSize] = {};
  std::memcpy(buffer, jpl_path.data(), std::min<std::size_t>(jpl_path.size(), saal::kTextLength));
  const double start = saal::YrDaysToUTC(1960, 1.0);
  const double end = saal::YrDaysToUTC(2050, 1.0);
  if (saal::JplSetParameters(buffer, start, end) != 0) return saal_failure();
  return ok_status();
}

}  // namespace qv::astro
