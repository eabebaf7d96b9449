#include "saal/time_func_interface.h"

#include <cmath>

#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv::timefunc {
namespace {

Result<double> checked_day(double (*operation)(double), double day, const char* name) {
  if (!std::isfinite(day)) {
    return fail(std::string(name) + " must be finite (got " + std::to_string(day) + ")");
  }
  const double result = operation(day);
  if (std::isnan(result)) return saal_failure();
  return result;
}

}  // namespace

bool time_constants_loaded() { return saal::IsTConFileLoaded() != 0; }

Status load_time_constants(const std::string& path) {
  if (path.size() > static_cast<std::size_t>(saal::kTextLength)) {
    return fail("TConLoadFile: path longer than " + std::to_string(saal::kTextLength) +
                " bytes: " + path.substr(0, 64) + "...");
  }
  if (saal::TConLoadFile(path.c_str()) != 0) return saal_failure();
  return ok_status();
}

Result<double> ds50_utc_to_ut1(double ds50_utc) {
  return checked_day(saal::UTCToUT1, ds50_utc, "ds50_utc");
}

Result<double> fk4_greenwich_angle(double ds50_ut1) {
  return checked_day(saal::ThetaGrnwchFK4, ds50_ut1, "ds50_ut1");
}

Result<double> fk5_greenwich_angle(double ds50_ut1) {
  return checked_day(saal::ThetaGrnwchFK5, ds50_ut1, "ds50_ut1");
}

Result<double> ymd_components_to_ds50(int year, int month, int day, int hour, int minute,
                                      double second) {
  const double days = saal::TimeComps2ToUTC(year, month, day, hour, minute, second);
  if (std::isnan(days)) return saal_failure();
  return days;
}

}  // namespace qv::timefunc
