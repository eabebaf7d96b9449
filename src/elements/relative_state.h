// Position and velocity of a secondary satellite relative to an origin
// satellite at an epoch, in the axes the satellite operation produces.
#pragma once

#include <string>

#include "elements/cartesian_vector.h"
#include "time/epoch.h"

namespace qv {

struct RelativeState {
  Epoch epoch;
  CartesianVector position;  // km
  CartesianVector velocity;  // km/s
  std::string origin_satellite_id;
  std::string secondary_satellite_id;
};

}  // namespace qv
