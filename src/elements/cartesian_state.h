// Position (km) and velocity (km/s) at an epoch in one reference frame.
#pragma once

#include "elements/cartesian_vector.h"
#include "enums/reference_frame.h"
#include "lib/result.h"
#include "time/epoch.h"

namespace qv {

struct KeplerianState;

struct CartesianState {
  Epoch epoch;
  CartesianVector position;
  CartesianVector velocity;
  ReferenceFrame frame = ReferenceFrame::TEME;

  // Walks the chain J2000 - TEME - EFG - ECR one rotation per link. The epoch's
  // day count is read as UTC whatever its tag; the result keeps the epoch.
  // Fails only on non-finite input.
  Result<CartesianState> to_frame(ReferenceFrame target) const;
  // Osculating elements in the same frame; fails for non-elliptic states.
  Result<KeplerianState> to_keplerian() const;
};

}  // namespace qv
