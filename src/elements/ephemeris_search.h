// The binary search shared by insertion and lookup in an ephemeris table.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "elements/cartesian_state.h"
#include "elements/ephemeris.h"

namespace qv {

// The index of the last entry whose day number is below `day` or within
// kEpochToleranceDays of it; 0 when there is none (or the table is empty).
inline std::size_t search_base(const std::vector<CartesianState>& states, double day) {
  std::size_t base = 0;
  std::size_t size = states.size();
  while (size > 1) {
    const std::size_t half = size / 2;
    const double mid_day = states[base + half].epoch.days_since_1950;
    if (day > mid_day || std::fabs(day - mid_day) <= kEpochToleranceDays) base += half;
    size -= half;
  }
  return base;
}

}  // namespace qv
