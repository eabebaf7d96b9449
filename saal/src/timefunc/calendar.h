// Proleptic Gregorian calendar arithmetic on day counts since 1950
// (day 1.0 = 1950-01-01 00:00). Exact integer day counting; the only
// rounding is the one of the time of day into a double.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace saal::detail {

struct CivilDate {
  std::int64_t year;
  int month;
  int day;
};

bool is_leap_year(std::int64_t year);
int days_in_month(std::int64_t year, int month);
int days_in_year(std::int64_t year);

// Day count of 0h of a valid date, and its inverse.
std::int64_t day_count(std::int64_t year, int month, int day);
CivilDate civil_date(std::int64_t day_count);
// Day of the year, 1 for January 1st.
int day_of_year(const CivilDate& date);

// A finite day count split into its whole day and the seconds of that day,
// 0 <= seconds < 86400. Empty when the count is not finite or its year does
// not fit in 32 bits.
struct DaySplit {
  std::int64_t day;
  double seconds;
};
std::optional<DaySplit> split_day(double ds50);

// A finite day count rounded to a whole number of `units_per_day` parts of its
// day, carried into the next day when it rounds up to a whole day, so a text
// never shows second 60 or minute 60. Empty as for split_day.
struct RoundedDay {
  std::int64_t day;
  std::int64_t units;
};
std::optional<RoundedDay> round_day(double ds50, std::int64_t units_per_day);

// Why a calendar reading is not a time, or nothing when it is one. Seconds
// may reach 61 in the last minute of a day, for a leap second.
std::optional<std::string> calendar_reading_error(std::int64_t year, int month, int day,
                                                  int hour, int minute, double second);

// The day count of a valid calendar reading.
double reading_to_ds50(std::int64_t year, int month, int day, int hour, int minute,
                       double second);

// The last-error text for a day count split_day refuses, the count in
// shortest form ("1e+300", not three hundred digits).
std::string no_calendar_date_text(const char* operation, double ds50);

// Three-letter English month name, "Jan" to "Dec".
const char* month_abbreviation(int month);

}  // namespace saal::detail
