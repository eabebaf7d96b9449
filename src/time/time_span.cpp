#include "time/time_span.h"

#include <cmath>
#include <string>

namespace qv {
namespace {

Result<TimeSpan> finite_span(double amount, double days_per_unit, const char* unit) {
  if (!std::isfinite(amount)) {
    return fail(std::string("TimeSpan ") + unit + " must be finite (got " + std::to_string(amount) +
                ")");
  }
  return TimeSpan{amount * days_per_unit};
}

}  // namespace

Result<TimeSpan> TimeSpan::from_days(double days) { return finite_span(days, 1.0, "days"); }

Result<TimeSpan> TimeSpan::from_hours(double hours) {
  return finite_span(hours, kDaysPerHour, "hours");
}

Result<TimeSpan> TimeSpan::from_minutes(double minutes) {
  return finite_span(minutes, kDaysPerMinute, "minutes");
}

Result<TimeSpan> TimeSpan::from_seconds(double seconds) {
  return finite_span(seconds, kDaysPerSecond, "seconds");
}

}  // namespace qv
