// The four DTG writers:
//   DTG20  YYYY/DDD HHMM SS.SSS
//   DTG19  YYYYMonDDHHMMSS.SSS   (month as three letters, e.g. 2024Jan05000730.000)
//   DTG17  YYYY/DDD.DDDDDDDD     (day of year with its fraction)
//   DTG15  YYDDDHHMMSS.SSS       (years 1957-2056)
// The instant is rounded once to the printed resolution and carried into the
// next minute, day or year, so no text shows second 60.000 or minute 60.
// A count that is not finite or whose year the form cannot hold writes an
// empty text and sets the last-error text.
#include <cstdio>
#include <optional>
#include <string>

#include "../common/last_error.h"
#include "../common/text.h"
#include "calendar.h"
#include "dtg.h"
#include "saal/saal.h"

namespace saal {
namespace {

struct Instant {
  detail::CivilDate date;
  int day_of_year;
  long long units;  // of the rounding resolution, within the day
};

std::optional<Instant> rounded_instant(const char* operation, double ds50, long long units_per_day,
                                       int first_year, int last_year) {
  const auto rounded = detail::round_day(ds50, units_per_day);
  if (!rounded) {
    detail::set_last_error(detail::no_calendar_date_text(operation, ds50));
    return std::nullopt;
  }
  const detail::CivilDate date = detail::civil_date(rounded->day);
  if (date.year < first_year || date.year > last_year) {
    detail::set_last_error(std::string(operation) + ": year " + std::to_string(date.year) +
                           " is outside " + std::to_string(first_year) + " to " +
                           std::to_string(last_year));
    return std::nullopt;
  }
  return Instant{date, detail::day_of_year(date), rounded->units};
}

struct ClockReading {
  int hour, minute, second, millisecond;
};

ClockReading clock_reading(long long ms) {
  return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
          static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

void write_or_clear(char* out, const std::optional<Instant>& instant, const char* text) {
  detail::write_text(out, instant ? text : "");
}

}  // namespace

void UTCToDTG20(char* dtg_out, double ds50_utc) {
  const auto t = rounded_instant("UTCToDTG20", ds50_utc, detail::kMillisecondsPerDay,
                                 detail::kFourDigitYearFirst, detail::kFourDigitYearLast);
  char text[64] = "";
  if (t) {
    const ClockReading c = clock_reading(t->units);
    std::snprintf(text, sizeof text, "%04d/%03d %02d%02d %02d.%03d",
                  static_cast<int>(t->date.year), t->day_of_year, c.hour, c.minute, c.second,
                  c.millisecond);
  }
  write_or_clear(dtg_out, t, text);
}

void UTCToDTG19(char* dtg_out, double ds50_utc) {
  const auto t = rounded_instant("UTCToDTG19", ds50_utc, detail::kMillisecondsPerDay,
                                 detail::kFourDigitYearFirst, detail::kFourDigitYearLast);
  char text[64] = "";
  if (t) {
    const ClockReading c = clock_reading(t->units);
    std::snprintf(text, sizeof text, "%04d%s%02d%02d%02d%02d.%03d",
                  static_cast<int>(t->date.year), detail::month_abbreviation(t->date.month),
                  t->date.day, c.hour, c.minute, c.second, c.millisecond);
  }
  write_or_clear(dtg_out, t, text);
}

void UTCToDTG17(char* dtg_out, double ds50_utc) {
  const auto t = rounded_instant("UTCToDTG17", ds50_utc, detail::kDtg17UnitsPerDay,
                                 detail::kFourDigitYearFirst, detail::kFourDigitYearLast);
  char text[64] = "";
  if (t) {
    std::snprintf(text, sizeof text, "%04d/%03d.%08lld", static_cast<int>(t->date.year),
                  t->day_of_year, t->units);
  }
  write_or_clear(dtg_out, t, text);
}

void UTCToDTG15(char* dtg_out, double ds50_utc) {
  const auto t = rounded_instant("UTCToDTG15", ds50_utc, detail::kMillisecondsPerDay,
                                 detail::kTwoDigitYearFirst, detail::kTwoDigitYearLast);
  char text[64] = "";
  if (t) {
    const ClockReading c = clock_reading(t->units);
    std::snprintf(text, sizeof text, "%02d%03d%02d%02d%02d.%03d",
                  static_cast<int>(t->date.year % 100), t->day_of_year, c.hour, c.minute,
                  c.second, c.millisecond);
  }
  write_or_clear(dtg_out, t, text);
}

}  // namespace saal
