// An instant: days since 1950 (day 1.0 = 1950-01-01 00:00) in a named time
// system. The count is read in its own system; only to_system converts.
#pragma once

#include <string>
#include <string_view>

#include "enums/time_system.h"
#include "lib/result.h"
#include "time/time_components.h"
#include "time/time_span.h"

namespace qv {

struct Epoch {
  double days_since_1950 = 0.0;
  TimeSystem time_system = TimeSystem::UTC;

  // Fails for a NaN or infinite count.
  static Result<Epoch> from_days_since_1950(double days_since_1950, TimeSystem time_system);
  // The DTG text read as a time in `time_system`; fails for unreadable text.
  static Result<Epoch> from_dtg(std::string_view dtg, TimeSystem time_system);
  // Fails for an impossible calendar reading (month 13, 30 February, ...).
  static Result<Epoch> from_time_components(const TimeComponents& components,
                                            TimeSystem time_system);

  // UTC converts to TAI, UT1 and TT; TAI to UTC and UT1; nothing else, and a
  // result of exactly -1.0 counts as unsupported. The error text is
  // "<source> to <target> conversion not supported".
  Result<Epoch> to_system(TimeSystem target) const;

  // Calendar and text readings of the unconverted count. They fail when the
  // count is not a date the form can hold.
  Result<double> day_of_year() const;
  Result<std::string> to_dtg_20() const;
  Result<std::string> to_dtg_19() const;
  Result<std::string> to_dtg_17() const;
  Result<std::string> to_dtg_15() const;
  Result<TimeComponents> to_time_components() const;
  // Rounded to the millisecond as a whole, so it never shows second 60.000.
  Result<std::string> to_iso() const;

  // Greenwich angles (radians) at the epoch's UT1; only UTC and TAI epochs
  // convert to UT1, others fail with the conversion text. A UT1 too far from
  // 1950 for the angle's polynomial fails with the layer's text.
  Result<double> to_fk4_greenwich_angle() const;
  Result<double> to_fk5_greenwich_angle() const;

  // Shifted by a span in the epoch's own system; fails if the count overflows.
  Result<Epoch> plus(const TimeSpan& span) const;
  Result<Epoch> minus(const TimeSpan& span) const;
  // Days from `other` to this epoch, `other` converted into this epoch's
  // system first; fails with the conversion text.
  Result<double> days_since(const Epoch& other) const;
};

}  // namespace qv
