// TEME <-> J2000 (mean equator and equinox of J2000.0, IAU-1976/1980 theory)
// and the matching right ascension / declination rotations. The only nutation
// theory offered is the full IAU-1980 series (code 106). Velocities are turned
// by the same matrix: the frame's own rate (precession, ~2e-11 rad/s) moves a
// LEO velocity by ~1e-10 km/s.
#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "precession_nutation.h"
#include "saal/saal.h"
#include "vec3.h"

namespace saal {
namespace {

using namespace detail;

constexpr int kIau1980Terms = 106;

bool valid_theory(int spectr, int nut_terms, const char* op) {
  if (spectr == 0 && nut_terms == kIau1980Terms) return true;
  set_last_error(std::string(op) + ": unsupported theory (spectr " + std::to_string(spectr) +
                 ", nutation terms " + std::to_string(nut_terms) + "); use 0 and 106");
  return false;
}

DateRotations rotations_at_tai(double ds50_tai) {
  double jd1 = 0.0, jd2 = 0.0;
  tai_ds50_to_tt_jd(ds50_tai, &jd1, &jd2);
  return date_rotations(jd1, jd2);
}

int rotate_state(int spectr, int nut_terms, const double* pos, const double* vel, double* pos_out,
                 double* vel_out, double ds50_tai, bool to_date, const char* op) {
  pos_out[0] = pos_out[1] = pos_out[2] = vel_out[0] = vel_out[1] = vel_out[2] = 0.0;
  if (!valid_theory(spectr, nut_terms, op)) return 1;
  if (!finite3(pos) || !finite3(vel) || !std::isfinite(ds50_tai)) {
    return fail(std::string(op) + ": position, velocity and time must be finite numbers");
  }
  const Mat3 m = rotations_at_tai(ds50_tai).teme_from_j2000;
  if (to_date) {
    store3(mul(m, load3(pos)), pos_out);
    store3(mul(m, load3(vel)), vel_out);
  } else {
    store3(mul_transposed(m, load3(pos)), pos_out);
    store3(mul_transposed(m, load3(vel)), vel_out);
  }
  return 0;
}

Vec3 direction(double ra_deg, double dec_deg) {
  const double a = ra_deg * kDegToRad, d = dec_deg * kDegToRad;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

// Right ascension / declination rotation between TEME of date and the frame
// of the equinox code (1 mean of date, 2 J2000).
int rotate_radec(int nut_terms, int yr_of_eqnx, double* ra_out, double* dec_out, double ds50_utc,
                 double ra, double dec, bool to_equinox, const char* op) {
  *ra_out = *dec_out = 0.0;
  if (!valid_theory(0, nut_terms, op)) return 1;
  if (yr_of_eqnx != 1 && yr_of_eqnx != 2) {
    return fail(std::string(op) + ": unknown equinox code " + std::to_string(yr_of_eqnx) +
                " (1 mean of date, 2 J2000)");
  }
  if (!std::isfinite(ds50_utc) || !std::isfinite(ra) || !std::isfinite(dec)) {
    return fail(std::string(op) + ": time and angles must be finite numbers");
  }
  const DateRotations rot = rotations_at_tai(UTCToTAI(ds50_utc));
  const Mat3& m = yr_of_eqnx == 2 ? rot.teme_from_j2000 : rot.teme_from_mean_of_date;
  const Vec3 u = direction(ra, dec);
  const Vec3 out = to_equinox ? mul_transposed(m, u) : mul(m, u);
  *ra_out = wrap360(std::atan2(out[1], out[0]) * kRadToDeg);
  *dec_out = std::atan2(out[2], std::hypot(out[0], out[1])) * kRadToDeg;
  return 0;
}

}  // namespace

int RotJ2KToDate(int spectr, int nut_terms, const double pos_j2k[3], const double vel_j2k[3],
                 double pos_date[3], double vel_date[3], double ds50_tai) {
  return rotate_state(spectr, nut_terms, pos_j2k, vel_j2k, pos_date, vel_date, ds50_tai, true,
                      "RotJ2KToDate");
}

int RotDateToJ2K(int spectr, int nut_terms, const double pos_date[3], const double vel_date[3],
                 double pos_j2k[3], double vel_j2k[3], double ds50_tai) {
  return rotate_state(spectr, nut_terms, pos_date, vel_date, pos_j2k, vel_j2k, ds50_tai, false,
                      "RotDateToJ2K");
}

int RotRADec_DateToEqnx(int nut_terms, int yr_of_eqnx, double* ra_out, double* dec_out,
                        double ds50_utc, double ra, double dec) {
  return rotate_radec(nut_terms, yr_of_eqnx, ra_out, dec_out, ds50_utc, ra, dec, true,
                      "RotRADec_DateToEqnx");
}

int RotRADec_EqnxToDate(int nut_terms, int yr_of_eqnx, double* ra_out, double* dec_out,
                        double ds50_utc, double ra, double dec) {
  return rotate_radec(nut_terms, yr_of_eqnx, ra_out, dec_out, ds50_utc, ra, dec, false,
                      "RotRADec_EqnxToDate");
}

}  // namespace saal
