// Geodetic latitude, longitude (degrees, east, in (-180, 180]) and height
// (km) on the WGS-84 ellipsoid. The Cartesian -> geodetic step is ERFA's
// closed-form solution (Fukushima 2006), exact to rounding for points from
// deep inside the Earth to far beyond GEO, poles included.
#include <cmath>
#include <erfa.h>
#include <string>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"
#include "teme_greenwich_angle.h"
#include "vec3.h"

namespace saal {
namespace {

using namespace detail;

void clear3(double* v) { v[0] = v[1] = v[2] = 0.0; }

bool efg_to_llh(const double efg[3], double llh[3], const char* op) {
  clear3(llh);
  if (!finite3(efg)) {
    set_last_error(std::string(op) + ": position must be finite numbers");
    return false;
  }
  if (zero3(efg)) {
    set_last_error(std::string(op) + ": position is the zero vector (no geodetic point)");
    return false;
  }
  double lon = 0.0, lat = 0.0, height = 0.0;
  double xyz[3] = {efg[0], efg[1], efg[2]};
  if (eraGc2gde(kWgs84.radius_km, kWgs84.flattening, xyz, &lon, &lat, &height) != 0) {
    set_last_error(std::string(op) + ": geodetic conversion failed");
    return false;
  }
  llh[0] = lat * kRadToDeg;
  llh[1] = lon * kRadToDeg;
  llh[2] = height;
  return true;
}

}  // namespace

int EFGPosToLLH(const double efg_pos[3], double llh[3]) {
  return efg_to_llh(efg_pos, llh, "EFGPosToLLH") ? 0 : 1;
}

void XYZToLLH(const double pos[3], double llh[3], double theta_rad) {
  clear3(llh);
  if (!std::isfinite(theta_rad)) {
    set_last_error("XYZToLLH: Greenwich angle must be a finite number");
    return;
  }
  double efg[3];
  store3(rot_z(load3(pos), theta_rad), efg);
  efg_to_llh(efg, llh, "XYZToLLH");
}

void XYZToLLHTime(const double pos[3], double llh[3], double ds50_utc) {
  clear3(llh);
  if (!std::isfinite(ds50_utc)) {
    set_last_error("XYZToLLHTime: time must be a finite number");
    return;
  }
  double efg[3];
  store3(rot_z(load3(pos), teme_greenwich_angle(ds50_utc)), efg);
  efg_to_llh(efg, llh, "XYZToLLHTime");
}

void LLHToXYZTime(const double llh[3], double pos[3], double ds50_utc) {
  clear3(pos);
  if (!finite3(llh) || !std::isfinite(ds50_utc)) {
    set_last_error("LLHToXYZTime: latitude, longitude, height and time must be finite numbers");
    return;
  }
  if (std::fabs(llh[0]) > 90.0) {
    set_last_error("LLHToXYZTime: latitude must be within [-90, 90] degrees, got " +
                   std::to_string(llh[0]));
    return;
  }
  double efg[3];
  if (eraGd2gce(kWgs84.radius_km, kWgs84.flattening, llh[1] * kDegToRad, llh[0] * kDegToRad,
                llh[2], efg) != 0) {
    set_last_error("LLHToXYZTime: geodetic conversion failed");
    return;
  }
  store3(rot_z(load3(efg), -teme_greenwich_angle(ds50_utc)), pos);
}

}  // namespace saal
