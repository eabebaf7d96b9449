// Rotations between the J2000 mean equator and equinox, the mean equator and
// equinox of date, and TEME: IAU-1976 precession, IAU-1980 nutation (106
// terms) and the 1994 equation of the equinoxes, all from ERFA.
#pragma once

#include "vec3.h"

namespace saal::detail {

struct DateRotations {
  Mat3 mean_of_date_from_j2000;  // precession P
  Mat3 teme_from_mean_of_date;   // Rz(equation of equinoxes) * N
  Mat3 teme_from_j2000;          // the product of both
};

// tt_jd: Terrestrial Time Julian date, split as erfa does (jd1 + jd2).
DateRotations date_rotations(double tt_jd1, double tt_jd2);

// Julian date (two parts) of a day count since 1950 in TAI, moved to TT.
void tai_ds50_to_tt_jd(double ds50_tai, double* jd1, double* jd2);

}  // namespace saal::detail
