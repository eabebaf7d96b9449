// The angle from TEME's x axis (the uniform equinox) to the Greenwich
// meridian: the FK5 Greenwich angle (IAU-1982 mean sidereal time) of the
// UT1 instant.
#pragma once

#include "saal/saal.h"

namespace saal::detail {

inline double teme_greenwich_angle(double ds50_utc) { return ThetaGrnwchFK5(UTCToUT1(ds50_utc)); }

}  // namespace saal::detail
