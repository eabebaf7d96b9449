// Position (km) and velocity (km/s) at an epoch in one reference frame.
#pragma once

#include "elements/cartesian_vector.h"
#include "enums/reference_frame.h"
#include "time/epoch.h"

namespace qv {

struct CartesianState {
  Epoch epoch;
  CartesianVector position;
  CartesianVector velocity;
  ReferenceFrame frame = ReferenceFrame::TEME;
};

}  // namespace qv
