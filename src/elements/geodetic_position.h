// Latitude and longitude in degrees, altitude in km above the ellipsoid.
#pragma once

namespace qv {

struct GeodeticPosition {
  double latitude = 0.0;
  double longitude = 0.0;
  double altitude = 0.0;
};

}  // namespace qv
