// The four views of one SGP4 result: mean and osculating elements, the
// sub-satellite point and the TEME state.
#pragma once

#include "elements/cartesian_state.h"
#include "elements/geodetic_position.h"
#include "elements/keplerian_elements.h"

namespace qv {

struct SGP4Output {
  KeplerianElements mean_elements;
  KeplerianElements osculating_elements;
  GeodeticPosition geodetic_position;
  CartesianState cartesian_state;
};

}  // namespace qv
