// An instant: days since 1950 in a named time system.
#pragma once

#include "enums/time_system.h"

namespace qv {

struct Epoch {
  double days_since_1950 = 0.0;
  TimeSystem time_system = TimeSystem::UTC;
};

}  // namespace qv
