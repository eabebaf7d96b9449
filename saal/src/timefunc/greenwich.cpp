// Greenwich sidereal angles from UT1 day counts, radians in [0, 2pi).
#include <erfa.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"

namespace saal {
namespace {

// Julian date of day count 0.0 (1949-12-31 00:00).
constexpr double kJdOfDs50Zero = 2433281.5;

constexpr double kTwoPi = 6.283185307179586;

// Far enough from 1950 the polynomials overflow: no angle, rather than NaN
// passed off as one.
double checked_angle(double angle, const char* operation, double ds50_ut1) {
  if (!std::isfinite(angle)) {
    char text[96];
    std::snprintf(text, sizeof text, "%s: day count %.17g has no sidereal angle", operation,
                  ds50_ut1);
    detail::set_last_error(text);
    return std::nan("");
  }
  return angle;
}

}  // namespace

// FK5: IAU 1982 Greenwich mean sidereal time (eraGmst82), without the
// equation of the equinoxes. Every caller pairs this angle with TEME vectors,
// whose x axis is the mean equinox along the true equator: the apparent angle
// (mean + equation of the equinoxes, up to ~17") would misplace a low orbit
// by ~0.5 km.
double ThetaGrnwchFK5(double ds50_ut1) {
  return checked_angle(eraGmst82(kJdOfDs50Zero, ds50_ut1), "ThetaGrnwchFK5", ds50_ut1);
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
  return checked_angle(angle, "ThetaGrnwchFK4", ds50_ut1);
}

}  // namespace saal
