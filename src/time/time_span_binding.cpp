#include "time/time_span_binding.h"

#include "lib/python/binding.h"
#include "time/time_span.h"

namespace qv::py {

void bind_time_span(nb::module_& m) {
  auto cls = add_class<TimeSpan>(m, "TimeSpan");
  def_static(
      cls, "from_days",
      [](double days) { return unwrap(TimeSpan::from_days(days), PyExc_ValueError); }, {"days"});
  def_static(
      cls, "from_hours",
      [](double hours) { return unwrap(TimeSpan::from_hours(hours), PyExc_ValueError); },
      {"hours"});
  def_static(
      cls, "from_minutes",
      [](double minutes) { return unwrap(TimeSpan::from_minutes(minutes), PyExc_ValueError); },
      {"minutes"});
  def_static(
      cls, "from_seconds",
      [](double seconds) { return unwrap(TimeSpan::from_seconds(seconds), PyExc_ValueError); },
      {"seconds"});
  def_method(cls, "in_days", [](const TimeSpan& s) { return s.in_days(); });
  def_method(cls, "in_hours", [](const TimeSpan& s) { return s.in_hours(); });
  def_method(cls, "in_minutes", [](const TimeSpan& s) { return s.in_minutes(); });
  def_method(cls, "in_seconds", [](const TimeSpan& s) { return s.in_seconds(); });
}

}  // namespace qv::py
