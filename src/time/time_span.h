// A duration in days.
#pragma once

namespace qv {

struct TimeSpan {
  double days = 0.0;
};

}  // namespace qv
