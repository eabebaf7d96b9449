// Brouwer mean elements -> osculating state through the first-order J2
// short-period terms (see short_period.cpp).
#pragma once

namespace saal::detail {

// mean_kep: the layer's six-value order (a km, e, i, M, node, w; degrees).
// Writes TEME-like position (km) and velocity (km/s); 0 on success.
int brouwer_mean_to_osculating(const double mean_kep[6], double pos[3], double vel[3]);

}  // namespace saal::detail
