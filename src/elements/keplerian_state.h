// Classical elements at an epoch, in a frame, tagged with their theory.
#pragma once

#include "elements/keplerian_elements.h"
#include "enums/keplerian_type.h"
#include "enums/reference_frame.h"
#include "lib/result.h"
#include "time/epoch.h"

namespace qv {

struct CartesianState;

struct KeplerianState {
  Epoch epoch;
  KeplerianElements elements;
  ReferenceFrame frame = ReferenceFrame::TEME;
  KeplerianType keplerian_type = KeplerianType::Osculating;

  // Converts the elements as if osculating, whatever their type.
  Result<CartesianState> to_cartesian() const;
  // Through Cartesian: the result is osculating, even for the same frame.
  Result<KeplerianState> to_frame(ReferenceFrame target) const;
  Result<double> mean_motion() const { return elements.mean_motion(keplerian_type); }
};

}  // namespace qv
