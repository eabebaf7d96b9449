// Low-precision analytic geocentric Sun and Moon, used when no JPL file is set
// or the instant lies outside it.
#pragma once

#include "vec3.h"

namespace saal::detail {

// Positions in km, mean equator and equinox of date, at a TT Julian date.
void analytic_sun_moon(double tt_jd1, double tt_jd2, Vec3* sun, Vec3* moon);

}  // namespace saal::detail
