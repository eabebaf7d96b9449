// The time-constants table the time operations read: TAI-UTC, UT1-UTC and
// polar motion over UTC dates. One immutable table is in force at a time;
// loading a file installs a new one, so readers on worker threads never lock.
// Dates are day counts since 1950 (day 1.0 = 1950-01-01 00:00), like the
// operations' arguments, so no precision is lost converting to MJD.
#pragma once

#include <vector>

namespace saal::detail {

// Day count since 1950 plus this gives the MJD.
inline constexpr double kDs50ToMjd = 33281.0;

// TAI-UTC = offset + rate * (day - reference day), from `start` (UTC) on.
// Before 1972 UTC seconds were not SI seconds, hence the rate.
struct TaiUtcSegment {
  double start;
  double offset_s;
  double reference;
  double rate_s_per_day;
  double start_tai;  // the segment's start read on the TAI scale
};

struct EopRecord {
  double day;                  // 0h UTC of the record's day
  double ut1_minus_utc_s;
  double ut1_rate_ms_per_day;  // extrapolates UT1-UTC past the last record
  double x_arcsec;
  double y_arcsec;
  double ut1_minus_tai_s;      // continuous across leap seconds, so interpolated
};

// A TAI-UTC value of a time-constants source, in force from `day` (UTC) on.
struct TaiUtcStep {
  double day;
  double tai_minus_utc_s;
};

struct TimeConstants {
  std::vector<TaiUtcSegment> tai_utc;  // increasing start; before the first UTC is TAI
  std::vector<EopRecord> eop;          // increasing days, never empty
};

// Builds a table: the pre-1972 UTC segments, then the steps dated 1972 or
// later, then the records with their UT1-TAI filled in.
TimeConstants make_time_constants(const std::vector<TaiUtcStep>& steps,
                                  std::vector<EopRecord> records);

// The built-in table, made from default_time_constants.cpp.
const TimeConstants& default_time_constants();

// The table in force. Installed tables live until the process ends, so a
// reference stays valid while another thread installs a newer table.
const TimeConstants& current_time_constants();
void install_time_constants(TimeConstants table);
// Puts the built-in table back in force.
void use_default_time_constants();

double tai_minus_utc_s(const TimeConstants& tc, double utc);
// The UTC day count of a TAI day count. Inside an inserted leap second UTC
// holds at the start of the new day, so the result never runs backwards.
double utc_from_tai(const TimeConstants& tc, double tai);
double ut1_minus_utc_s(const TimeConstants& tc, double utc);
double ut1_minus_tai_s(const TimeConstants& tc, double utc);
void polar_motion_arcsec(const TimeConstants& tc, double utc, double& x, double& y);

}  // namespace saal::detail
