#include "precession_nutation.h"

#include <erfa.h>

namespace saal::detail {
namespace {

constexpr double kJdOfDs50Zero = 2433281.5;  // day count 1.0 is 1950-01-01 00:00
constexpr double kTtMinusTaiDays = 32.184 / 86400.0;

Mat3 from_erfa(double m[3][3]) {
  return {{{m[0][0], m[0][1], m[0][2]}, {m[1][0], m[1][1], m[1][2]}, {m[2][0], m[2][1], m[2][2]}}};
}

}  // namespace

void tai_ds50_to_tt_jd(double ds50_tai, double* jd1, double* jd2) {
  *jd1 = kJdOfDs50Zero;
  *jd2 = ds50_tai + kTtMinusTaiDays;
}

DateRotations date_rotations(double tt_jd1, double tt_jd2) {
  double p[3][3], n[3][3], e[3][3], en[3][3], full[3][3];
  eraPmat76(tt_jd1, tt_jd2, p);
  double dpsi = 0.0, deps = 0.0;
  eraNut80(tt_jd1, tt_jd2, &dpsi, &deps);
  eraNumat(eraObl80(tt_jd1, tt_jd2), dpsi, deps, n);
  // TEME's x axis is the uniform equinox: the true equinox turned back by the
  // equation of the equinoxes, so that GMST alone carries TEME to Earth-fixed.
  eraIr(e);
  eraRz(eraEqeq94(tt_jd1, tt_jd2), e);
  eraRxr(e, n, en);
  eraRxr(en, p, full);
  return {from_erfa(p), from_erfa(en), from_erfa(full)};
}

}  // namespace saal::detail
