// Two-body helpers shared by the element conversions.
#pragma once

#include "saal/earth_models.h"

namespace saal::detail {

// Gravitational parameter of the element conversions: WGS-72, the model SGP4
// element sets are fitted with, so mean motions and axes agree with AToN.
inline constexpr double kMuKm3S2 = kWgs72.mu_km3_s2;

// Eccentric anomaly (rad) for mean anomaly M (rad) and 0 <= e < 1.
double solve_kepler(double mean_anomaly_rad, double e);

}  // namespace saal::detail
