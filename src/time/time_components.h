// A calendar reading (year, month, day, hour, minute, seconds) and the ISO
// text form "YYYY-MM-DDTHH:MM:SS.SSS". The fields are never validated here;
// turning them into a day count does that.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lib/result.h"

namespace qv {

struct TimeComponents {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  double second = 0.0;

  // Each field printed on its own: year zero-padded to 4 characters, the
  // others to 2, seconds with 3 decimals to 6 characters; no carry.
  std::string to_iso() const;

  // Reads "Y-M-DTh:m:s" by fixed splits: the text at "T", the date at "-",
  // the time (with every "Z" removed) at ":"; extra pieces are ignored.
  static Result<TimeComponents> from_iso(std::string_view text);

  // "TimeComponents(year=2024, ..., second=30)", seconds in the shortest
  // text that reads back to the same float.
  std::string repr() const;

  // Integers equal and seconds closer than the float epsilon (absolute).
  bool operator==(const TimeComponents& other) const;
};

}  // namespace qv
