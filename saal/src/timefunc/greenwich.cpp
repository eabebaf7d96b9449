// Greenwich sidereal angles from UT1 day counts, radians in [0, 2pi).
#include <erfa.h>

#include <cmath>

#include "saal/earth_models.h"
#include "saal/saal.h"

namespace saal {
namespace {

// Julian date of day count 0.0 (1949-12-31 00:00).
constexpr double kJdOfDs50Zero = 2433281.5;

constexpr double kTwoPi = 6.283185307179586;

}  // namespace

// FK5: Greenwich apparent sidereal time, the IAU 1982 mean sidereal time
// (eraGmst82) plus the IAU 1994 equation of the equinoxes (eraEqeq94, with
// the complementary terms). The equation of the equinoxes is evaluated at the
// UT1 date in place of TT: the ~1 minute between them changes it by less
// than 4e-10 rad.
double ThetaGrnwchFK5(double ds50_ut1) {
  return eraAnp(eraGmst82(kJdOfDs50Zero, ds50_ut1) + eraEqeq94(kJdOfDs50Zero, ds50_ut1));
}

// FK4: Greenwich mean sidereal time on the FK4 equinox, Newcomb's expression
//   GMST = UT1 + 6h38m45.836s + 8640184.542s T + 0.0929s T^2,
// T in Julian centuries of UT1 from 1900 January 0.5 (JD 2415020.0). It
// differs from the FK5 mean angle by the FK4-FK5 equinox offset, below
// 1e-5 rad over 1950-2050.
double ThetaGrnwchFK4(double ds50_ut1) {
  constexpr double kDaysFrom1900Jan0_5 = kJdOfDs50Zero - 2415020.0;
  const double ut1_seconds = (ds50_ut1 - std::floor(ds50_ut1)) * kSecondsPerDay;
  const double t = (ds50_ut1 + kDaysFrom1900Jan0_5) / 36525.0;
  const double seconds = ut1_seconds + 23925.836 + 8640184.542 * t + 0.0929 * t * t;
  double angle = std::fmod(seconds, kSecondsPerDay) * (kTwoPi / kSecondsPerDay);
  if (angle < 0.0) angle += kTwoPi;
  return angle;
}

}  // namespace saal
