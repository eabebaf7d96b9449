// The angle from TEME's x axis (the uniform equinox) to the Greenwich
// meridian: IAU-1982 Greenwich mean sidereal time of the UT1 instant. TEME is
// defined against the mean angle, so the apparent angle (mean + equation of
// the equinoxes, up to ~17") would misplace a LEO satellite by ~0.5 km.
#pragma once

#include <erfa.h>

#include "saal/saal.h"

namespace saal::detail {

inline double teme_greenwich_angle(double ds50_utc) {
  constexpr double kJdOfDs50Zero = 2433281.5;
  return eraGmst82(kJdOfDs50Zero, UTCToUT1(ds50_utc));
}

}  // namespace saal::detail
