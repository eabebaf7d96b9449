// The built-in time constants, generated from IERS data by
// tools/make_time_constants.py (default_time_constants.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

namespace saal::detail {

// TAI-UTC in whole seconds from 0h UTC of `mjd` until the next step.
struct LeapStep {
  int mjd;
  int tai_minus_utc_s;
};

// One day's Earth orientation at 0h UTC, at the resolution of the IERS files.
struct DailyEop {
  std::int32_t ut1_minus_utc_100ns;
  std::int32_t x_microarcsec;
  std::int32_t y_microarcsec;
};

extern const LeapStep kDefaultLeapSteps[];
extern const std::size_t kDefaultLeapStepCount;

// kDefaultEop[i] is the day kDefaultEopFirstMjd + i; the days are contiguous.
extern const int kDefaultEopFirstMjd;
extern const DailyEop kDefaultEop[];
extern const std::size_t kDefaultEopCount;

}  // namespace saal::detail
