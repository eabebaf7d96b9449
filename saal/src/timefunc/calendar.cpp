#include "calendar.h"

#include <cmath>
#include <cstdio>

#include "saal/earth_models.h"

namespace saal::detail {
namespace {

// Day count of 1970-01-01, the origin of the civil-day formulas below.
constexpr std::int64_t kDs50Of1970 = 7306;

// Largest day count magnitude whose year fits in 32 bits (2^31 years).
constexpr double kMaxCalendarDs50 = 7.8e11;

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days from 1970-01-01 of a Gregorian date, counting eras of 400 years.
std::int64_t days_from_civil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = floor_div(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (m + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate civil_from_days(std::int64_t z) {
  z += 719468;
  const std::int64_t era = floor_div(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

constexpr const char* kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

bool is_leap_year(std::int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(std::int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

int days_in_year(std::int64_t year) { return is_leap_year(year) ? 366 : 365; }

std::int64_t day_count(std::int64_t year, int month, int day) {
  return days_from_civil(year, month, day) + kDs50Of1970;
}

CivilDate civil_date(std::int64_t count) { return civil_from_days(count - kDs50Of1970); }

int day_of_year(const CivilDate& date) {
  return static_cast<int>(day_count(date.year, date.month, date.day) -
                          day_count(date.year, 1, 1)) + 1;
}

std::optional<DaySplit> split_day(double ds50) {
  if (!std::isfinite(ds50) || std::fabs(ds50) > kMaxCalendarDs50) return std::nullopt;
  const double whole = std::floor(ds50);
  double seconds = (ds50 - whole) * kSecondsPerDay;
  if (seconds >= kSecondsPerDay) seconds = std::nextafter(kSecondsPerDay, 0.0);
  return DaySplit{static_cast<std::int64_t>(whole), seconds};
}

std::optional<RoundedDay> round_day(double ds50, std::int64_t units_per_day) {
  if (!std::isfinite(ds50) || std::fabs(ds50) > kMaxCalendarDs50) return std::nullopt;
  const double whole = std::floor(ds50);
  RoundedDay r{static_cast<std::int64_t>(whole),
               std::llround((ds50 - whole) * static_cast<double>(units_per_day))};
  if (r.units >= units_per_day) {
    r.day += 1;
    r.units -= units_per_day;
  }
  return r;
}

std::optional<std::string> calendar_reading_error(std::int64_t year, int month, int day,
                                                  int hour, int minute, double second) {
  if (month < 1 || month > 12) return "month " + std::to_string(month) + " is not 1 to 12";
  if (day < 1 || day > days_in_month(year, month)) {
    return "day " + std::to_string(day) + " is not a day of month " + std::to_string(month) +
           " of " + std::to_string(year);
  }
  if (hour < 0 || hour > 23) return "hour " + std::to_string(hour) + " is not 0 to 23";
  if (minute < 0 || minute > 59) return "minute " + std::to_string(minute) + " is not 0 to 59";
  const double second_limit = hour == 23 && minute == 59 ? 61.0 : 60.0;
  if (!(second >= 0.0 && second < second_limit)) {
    char text[64];
    std::snprintf(text, sizeof text, "second %.17g is not in [0, %d)", second,
                  static_cast<int>(second_limit));
    return std::string(text);
  }
  return std::nullopt;
}

double reading_to_ds50(std::int64_t year, int month, int day, int hour, int minute,
                       double second) {
  const double seconds_of_day = hour * 3600.0 + minute * 60.0 + second;
  return static_cast<double>(day_count(year, month, day)) + seconds_of_day / kSecondsPerDay;
}

std::string no_calendar_date_text(const char* operation, double ds50) {
  char text[160];
  std::snprintf(text, sizeof text, "%s: day count %.17g is not a finite date", operation, ds50);
  return text;
}

const char* month_abbreviation(int month) { return kMonthAbbreviations[month - 1]; }

}  // namespace saal::detail
