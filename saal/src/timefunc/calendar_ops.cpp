// Calendar readings and day-of-year forms of day counts since 1950. Pure
// arithmetic on the proleptic Gregorian calendar: no time scale is involved.
// Bad input (an impossible date, a non-finite count) gives NaN, or zero
// outputs, and sets the last-error text.
#include <cmath>
#include <limits>
#include <string>

#include "../common/last_error.h"
#include "calendar.h"
#include "saal/saal.h"

namespace saal {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double fail_nan(const std::string& text) {
  detail::set_last_error(text);
  return kNaN;
}

}  // namespace

double TimeComps2ToUTC(int year, int month, int day, int hour, int minute, double second) {
  if (auto error = detail::calendar_reading_error(year, month, day, hour, minute, second)) {
    return fail_nan("TimeComps2ToUTC: " + *error);
  }
  return detail::reading_to_ds50(year, month, day, hour, minute, second);
}

void UTCToTimeComps2(int* year, int* month, int* day, int* hour, int* minute, double* second,
                     double ds50_utc) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0;
  double s = 0.0;
  if (const auto split = detail::split_day(ds50_utc)) {
    const detail::CivilDate date = detail::civil_date(split->day);
    const auto whole_seconds = static_cast<int>(split->seconds);
    y = static_cast<int>(date.year);
    mo = date.month;
    d = date.day;
    h = whole_seconds / 3600;
    mi = whole_seconds % 3600 / 60;
    s = split->seconds - (h * 3600 + mi * 60);
  } else {
    detail::set_last_error(detail::no_calendar_date_text("UTCToTimeComps2", ds50_utc));
  }
  if (year != nullptr) *year = y;
  if (month != nullptr) *month = mo;
  if (day != nullptr) *day = d;
  if (hour != nullptr) *hour = h;
  if (minute != nullptr) *minute = mi;
  if (second != nullptr) *second = s;
}

void UTCToYrDays(int* year, double* day_of_year, double ds50_utc) {
  int y = 0;
  double doy = 0.0;
  if (const auto split = detail::split_day(ds50_utc)) {
    const detail::CivilDate date = detail::civil_date(split->day);
    y = static_cast<int>(date.year);
    doy = detail::day_of_year(date) + (ds50_utc - std::floor(ds50_utc));
  } else {
    detail::set_last_error(detail::no_calendar_date_text("UTCToYrDays", ds50_utc));
  }
  if (year != nullptr) *year = y;
  if (day_of_year != nullptr) *day_of_year = doy;
}

double YrDaysToUTC(int year, double day_of_year) {
  if (!(day_of_year >= 1.0 && day_of_year < detail::days_in_year(year) + 1.0)) {
    return fail_nan("YrDaysToUTC: day of year " + std::to_string(day_of_year) +
                    " is not within year " + std::to_string(year));
  }
  return static_cast<double>(detail::day_count(year, 1, 1)) + (day_of_year - 1.0);
}

}  // namespace saal
