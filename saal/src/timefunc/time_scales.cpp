// Conversions between UTC, TAI, UT1 and TT (ET) day counts, from the time
// constants in force. UTC->TAI and back agree with the IAU's TAI-UTC history
// (including the pre-1972 drifting UTC) to the rounding of a day count
// (a few tenths of a microsecond); UT1 interpolates UT1-TAI linearly
// between the dated UT1-UTC values, which keeps it smooth across leap seconds.
#include <cmath>

#include "saal/earth_models.h"
#include "saal/saal.h"
#include "time_constants.h"

namespace saal {
namespace {

// TT - TAI, seconds (fixed by definition).
constexpr double kTtMinusTaiSeconds = 32.184;

}  // namespace

double UTCToTAI(double ds50_utc) {
  const auto& tc = detail::current_time_constants();
  return ds50_utc + detail::tai_minus_utc_s(tc, ds50_utc) / kSecondsPerDay;
}

double TAIToUTC(double ds50_tai) {
  return detail::utc_from_tai(detail::current_time_constants(), ds50_tai);
}

double UTCToUT1(double ds50_utc) {
  const auto& tc = detail::current_time_constants();
  return ds50_utc + detail::ut1_minus_utc_s(tc, ds50_utc) / kSecondsPerDay;
}

double UTCToET(double ds50_utc) {
  const auto& tc = detail::current_time_constants();
  return ds50_utc +
         (detail::tai_minus_utc_s(tc, ds50_utc) + kTtMinusTaiSeconds) / kSecondsPerDay;
}

double TAIToUT1(double ds50_tai) {
  const auto& tc = detail::current_time_constants();
  const double utc = detail::utc_from_tai(tc, ds50_tai);
  return ds50_tai + detail::ut1_minus_tai_s(tc, utc) / kSecondsPerDay;
}

void UTCToPolarMotion(double* x_arcsec, double* y_arcsec, double ds50_utc) {
  double x = std::nan(""), y = std::nan("");
  if (std::isfinite(ds50_utc)) {
    detail::polar_motion_arcsec(detail::current_time_constants(), ds50_utc, x, y);
  }
  if (x_arcsec != nullptr) *x_arcsec = x;
  if (y_arcsec != nullptr) *y_arcsec = y;
}

}  // namespace saal
