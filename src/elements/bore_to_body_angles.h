// Angles (degrees) between a boresight and the directions to the Earth, the
// Sun and the Moon.
#pragma once

namespace qv {

struct BoreToBodyAngles {
  double earth_angle = 0.0;
  double sun_angle = 0.0;
  double moon_angle = 0.0;
};

}  // namespace qv
