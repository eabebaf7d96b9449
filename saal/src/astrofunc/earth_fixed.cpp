// TEME <-> EFG <-> ECR.
//  - EFG (Earth-fixed Greenwich) is TEME turned about its z axis by the
//    Greenwich mean sidereal angle of the UT1 instant (teme_greenwich_angle.h);
//    velocities add the
//    Earth's rotation, w x r, at the IERS conventional rate (length-of-day
//    variation ignored: below 1e-9 relative in velocity).
//  - ECR (Earth-centred rotating, the terrestrial frame of the IERS) is EFG
//    with polar motion applied: r_ecr = W(xp, yp) r_efg, with the pole offsets
//    of the loaded time constants (zero when none are loaded) and TIO locator
//    s' = 0 (below 1 mm at the Earth's surface).
#include <cmath>
#include <erfa.h>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"
#include "teme_greenwich_angle.h"
#include "vec3.h"

namespace saal {
namespace {

using namespace detail;

constexpr double kArcsecToRad = kDegToRad / 3600.0;

bool valid_inputs(const double* pos, const double* vel, double ds50, const char* op) {
  if (finite3(pos) && finite3(vel) && std::isfinite(ds50)) return true;
  set_last_error(std::string(op) + ": position, velocity and time must be finite numbers");
  return false;
}

Mat3 polar_motion(double ds50_utc) {
  double xp = 0.0, yp = 0.0;
  UTCToPolarMotion(&xp, &yp, ds50_utc);
  double w[3][3];
  eraPom00(xp * kArcsecToRad, yp * kArcsecToRad, 0.0, w);
  return {{{w[0][0], w[0][1], w[0][2]}, {w[1][0], w[1][1], w[1][2]}, {w[2][0], w[2][1], w[2][2]}}};
}

const Vec3 kEarthSpin{0.0, 0.0, kEarthRotationRadPerSec};

void clear(double* a, double* b) { a[0] = a[1] = a[2] = b[0] = b[1] = b[2] = 0.0; }

}  // namespace

int ECIToEFGTime(const double pos[3], const double vel[3], double efg_pos[3], double efg_vel[3],
                 double ds50_utc) {
  if (!valid_inputs(pos, vel, ds50_utc, "ECIToEFGTime")) {
    clear(efg_pos, efg_vel);
    return 1;
  }
  const double theta = teme_greenwich_angle(ds50_utc);
  const Vec3 r = rot_z(load3(pos), theta);
  const Vec3 v = rot_z(load3(vel), theta) - cross(kEarthSpin, r);
  store3(r, efg_pos);
  store3(v, efg_vel);
  return 0;
}

int EFGToECITime(const double efg_pos[3], const double efg_vel[3], double pos[3], double vel[3],
                 double ds50_utc) {
  if (!valid_inputs(efg_pos, efg_vel, ds50_utc, "EFGToECITime")) {
    clear(pos, vel);
    return 1;
  }
  const double theta = teme_greenwich_angle(ds50_utc);
  const Vec3 r_efg = load3(efg_pos);
  const Vec3 v_inertial = load3(efg_vel) + cross(kEarthSpin, r_efg);
  store3(rot_z(r_efg, -theta), pos);
  store3(rot_z(v_inertial, -theta), vel);
  return 0;
}

int EFGToECRTime(const double efg_pos[3], const double efg_vel[3], double ecr_pos[3],
                 double ecr_vel[3], double ds50_utc) {
  if (!valid_inputs(efg_pos, efg_vel, ds50_utc, "EFGToECRTime")) {
    clear(ecr_pos, ecr_vel);
    return 1;
  }
  const Mat3 w = polar_motion(ds50_utc);
  store3(mul(w, load3(efg_pos)), ecr_pos);
  store3(mul(w, load3(efg_vel)), ecr_vel);
  return 0;
}

int ECRToEFGTime(const double ecr_pos[3], const double ecr_vel[3], double efg_pos[3],
                 double efg_vel[3], double ds50_utc) {
  if (!valid_inputs(ecr_pos, ecr_vel, ds50_utc, "ECRToEFGTime")) {
    clear(efg_pos, efg_vel);
    return 1;
  }
  const Mat3 w = polar_motion(ds50_utc);
  store3(mul_transposed(w, load3(ecr_pos)), efg_pos);
  store3(mul_transposed(w, load3(ecr_vel)), efg_vel);
  return 0;
}

}  // namespace saal
