// Non-singular equinoctial elements, in the order of the layer's array.
#pragma once

namespace qv {

struct EquinoctialElements {
  double a_f = 0.0;
  double a_g = 0.0;
  double chi = 0.0;
  double psi = 0.0;
  double mean_longitude = 0.0;
  double mean_motion = 0.0;
};

}  // namespace qv
