// A duration in days.
#pragma once

#include "lib/result.h"

namespace qv {

// Reciprocal unit factors: spans are built by multiplying, never dividing.
inline constexpr double kDaysPerHour = 0.041666666666666664;      // 1/24
inline constexpr double kDaysPerMinute = 0.0006944444444444445;   // 1/1440
inline constexpr double kDaysPerSecond = 1.1574074074074073e-05;  // 1/86400

struct TimeSpan {
  double days = 0.0;

  // Fail for NaN or infinite amounts.
  static Result<TimeSpan> from_days(double days);
  static Result<TimeSpan> from_hours(double hours);
  static Result<TimeSpan> from_minutes(double minutes);
  static Result<TimeSpan> from_seconds(double seconds);

  double in_days() const { return days; }
  double in_hours() const { return days * 24.0; }
  double in_minutes() const { return days * 1440.0; }
  double in_seconds() const { return days * 86400.0; }
};

}  // namespace qv
