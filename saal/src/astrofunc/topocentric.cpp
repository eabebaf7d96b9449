// Site-relative views of a TEME position: topocentric right ascension and
// declination (TEME axes, parallax included), and the horizon system (south-
// east-zenith about the geodetic vertical of the site). theta is the local
// sidereal angle of the site (Greenwich angle + east longitude), radians; lat
// the geodetic latitude, degrees. Rates are in degrees per second, range rate
// in km/s. Azimuth is from north through east in [0, 360). Angle rates of a
// direction exactly at the pole of its system (zenith, or declination +-90)
// are reported as 0.
#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"
#include "teme_greenwich_angle.h"
#include "vec3.h"

namespace saal {
namespace {

using namespace detail;

const Vec3 kEarthSpin{0.0, 0.0, kEarthRotationRadPerSec};

// Rows: south, east, zenith unit vectors in TEME for local angle lst, latitude lat (rad).
Mat3 sez_from_teme(double lst, double lat) {
  const double sl = std::sin(lst), cl = std::cos(lst);
  const double sp = std::sin(lat), cp = std::cos(lat);
  return {{{sp * cl, sp * sl, -cp}, {-sl, cl, 0.0}, {cp * cl, cp * sl, sp}}};
}

double rate_or_zero(double numerator, double denominator) {
  return denominator == 0.0 ? 0.0 : numerator / denominator;
}

}  // namespace

void ECIToTopoComps(const double sen_pos[3], const double sat_pos[3], const double sat_vel[3],
                    double topo[10], double theta_rad, double lat_deg) {
  for (int k = 0; k < 10; ++k) topo[k] = 0.0;
  if (!finite3(sen_pos) || !finite3(sat_pos) || !finite3(sat_vel) || !std::isfinite(theta_rad) ||
      !std::isfinite(lat_deg)) {
    set_last_error("ECIToTopoComps: inputs must be finite numbers");
    return;
  }
  const Vec3 sen = load3(sen_pos), sat = load3(sat_pos), vel = load3(sat_vel);
  const Vec3 rho = sat - sen;
  const double range = norm(rho);
  if (range == 0.0) {
    set_last_error("ECIToTopoComps: satellite and site positions coincide (zero range)");
    return;
  }
  // Inertial line-of-sight rate: the site moves with the Earth.
  const Vec3 rho_dot = vel - cross(kEarthSpin, sen);
  const double range_rate = dot(rho, rho_dot) / range;
  const double rxy = std::hypot(rho[0], rho[1]);

  topo[0] = wrap360(std::atan2(rho[1], rho[0]) * kRadToDeg);
  topo[1] = std::atan2(rho[2], rxy) * kRadToDeg;
  topo[5] = rate_or_zero(rho[0] * rho_dot[1] - rho[1] * rho_dot[0], rxy * rxy) * kRadToDeg;
  topo[6] = rate_or_zero(rho_dot[2] - range_rate * rho[2] / range, rxy) * kRadToDeg;

  // Horizon frame turns with the Earth: rates from the Earth-relative velocity.
  const Mat3 m = sez_from_teme(theta_rad, lat_deg * kDegToRad);
  const Vec3 sez = mul(m, rho);
  const Vec3 sez_dot = mul(m, vel - cross(kEarthSpin, sat));
  const double horiz = std::hypot(sez[0], sez[1]);
  topo[2] = horiz == 0.0 ? 0.0 : wrap360(std::atan2(sez[1], -sez[0]) * kRadToDeg);
  topo[3] = std::atan2(sez[2], horiz) * kRadToDeg;
  topo[4] = range;
  topo[7] = rate_or_zero(sez_dot[0] * sez[1] - sez[0] * sez_dot[1], horiz * horiz) * kRadToDeg;
  topo[8] = rate_or_zero(sez_dot[2] - range_rate * sez[2] / range, horiz) * kRadToDeg;
  topo[9] = range_rate;
}

void RAEToECI(const double rae[6], const double sen_pos[3], double sat_pos[3], double sat_vel[3],
              double theta_rad, double lat_deg) {
  sat_pos[0] = sat_pos[1] = sat_pos[2] = sat_vel[0] = sat_vel[1] = sat_vel[2] = 0.0;
  if (!finite_n(rae, 6) || !finite3(sen_pos) || !std::isfinite(theta_rad) ||
      !std::isfinite(lat_deg)) {
    set_last_error("RAEToECI: inputs must be finite numbers");
    return;
  }
  if (rae[0] < 0.0) {
    set_last_error("RAEToECI: range must not be negative, got " + std::to_string(rae[0]));
    return;
  }
  const double rng = rae[0], az = rae[1] * kDegToRad, el = rae[2] * kDegToRad;
  const double rng_dot = rae[3], az_dot = rae[4] * kDegToRad, el_dot = rae[5] * kDegToRad;
  const double ca = std::cos(az), sa = std::sin(az), ce = std::cos(el), se = std::sin(el);
  const Vec3 sez{-rng * ce * ca, rng * ce * sa, rng * se};
  const Vec3 sez_dot{-rng_dot * ce * ca + rng * se * el_dot * ca + rng * ce * sa * az_dot,
                     rng_dot * ce * sa - rng * se * el_dot * sa + rng * ce * ca * az_dot,
                     rng_dot * se + rng * ce * el_dot};
  const Mat3 m = sez_from_teme(theta_rad, lat_deg * kDegToRad);
  const Vec3 sat = load3(sen_pos) + mul_transposed(m, sez);
  store3(sat, sat_pos);
  store3(mul_transposed(m, sez_dot) + cross(kEarthSpin, sat), sat_vel);
}

void RaDecToAzEl(double* az, double* el, double theta_rad, double lat, double lon, double ra,
                 double dec) {
  *az = *el = 0.0;
  if (!std::isfinite(theta_rad) || !std::isfinite(lat) || !std::isfinite(lon) ||
      !std::isfinite(ra) || !std::isfinite(dec)) {
    set_last_error("RaDecToAzEl: inputs must be finite numbers");
    return;
  }
  const double hour_angle = theta_rad + (lon - ra) * kDegToRad;
  const double phi = lat * kDegToRad, delta = dec * kDegToRad;
  const double sin_el = std::sin(phi) * std::sin(delta) +
                        std::cos(phi) * std::cos(delta) * std::cos(hour_angle);
  const double north = std::sin(delta) * std::cos(phi) -
                       std::cos(delta) * std::sin(phi) * std::cos(hour_angle);
  const double east = -std::cos(delta) * std::sin(hour_angle);
  *az = wrap360(std::atan2(east, north) * kRadToDeg);
  *el = std::atan2(sin_el, std::hypot(north, east)) * kRadToDeg;
}

void RaDecToAzElTime(double* az, double* el, double ds50_utc, double lat, double lon, double ra,
                     double dec) {
  *az = *el = 0.0;
  if (!std::isfinite(ds50_utc)) {
    set_last_error("RaDecToAzElTime: time must be a finite number");
    return;
  }
  RaDecToAzEl(az, el, teme_greenwich_angle(ds50_utc), lat, lon, ra, dec);
}

}  // namespace saal
