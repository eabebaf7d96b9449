// Classical elements at an epoch, in a frame, tagged with their theory.
#pragma once

#include "elements/keplerian_elements.h"
#include "enums/keplerian_type.h"
#include "enums/reference_frame.h"
#include "time/epoch.h"

namespace qv {

struct KeplerianState {
  Epoch epoch;
  KeplerianElements elements;
  ReferenceFrame frame = ReferenceFrame::TEME;
  KeplerianType keplerian_type = KeplerianType::Osculating;
};

}  // namespace qv
