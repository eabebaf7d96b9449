#include "time/epoch.h"

#include <array>
#include <cmath>
#include <cstring>

#include "enums/enum_info.h"
#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {
namespace {

// The conversion marker: a converted count of exactly -1.0 is unsupported.
constexpr double kUnsupported = -1.0;

constexpr double kHalfMillisecondDays = 0.0005 / 86400.0;

Result<std::string> dtg_text(void (*writer)(char*, double), double days) {
  std::array<char, saal::kTextBufferSize> buffer{};
  writer(buffer.data(), days);
  if (buffer[0] == '\0') return saal_failure();
  return std::string(buffer.data());
}

Result<TimeComponents> components_of(double days) {
  TimeComponents c;
  saal::UTCToTimeComps2(&c.year, &c.month, &c.day, &c.hour, &c.minute, &c.second, days);
  if (c.month == 0) return saal_failure();  // no date has month 0
  return c;
}

Result<Epoch> finite_epoch(double days, TimeSystem system) {
  if (!std::isfinite(days)) {
    return fail("Epoch day count must be finite (got " + std::to_string(days) + ")");
  }
  return Epoch{days, system};
}

}  // namespace

Result<Epoch> Epoch::from_days_since_1950(double days_since_1950, TimeSystem time_system) {
  return finite_epoch(days_since_1950, time_system);
}

Result<Epoch> Epoch::from_dtg(std::string_view dtg, TimeSystem time_system) {
  // Only the first bytes that fit the layer's text buffer are read.
  dtg = dtg.substr(0, saal::kTextLength);
  if (dtg.find('\0') != std::string_view::npos) {
    return fail("DTG text contains a zero character");
  }
  std::array<char, saal::kTextBufferSize> buffer{};
  std::memcpy(buffer.data(), dtg.data(), dtg.size());
  const double days = saal::DTGToUTC(buffer.data());
  if (std::isnan(days)) return saal_failure();
  return Epoch{days, time_system};
}

Result<Epoch> Epoch::from_time_components(const TimeComponents& c, TimeSystem time_system) {
  const double days = saal::TimeComps2ToUTC(c.year, c.month, c.day, c.hour, c.minute, c.second);
  if (std::isnan(days)) return saal_failure();
  return Epoch{days, time_system};
}

Result<Epoch> Epoch::to_system(TimeSystem target) const {
  const double d = days_since_1950;
  double converted = kUnsupported;
  if (time_system == TimeSystem::UTC) {
    switch (target) {
      case TimeSystem::UTC: converted = d; break;
      case TimeSystem::TAI: converted = saal::UTCToTAI(d); break;
      case TimeSystem::UT1: converted = saal::UTCToUT1(d); break;
      case TimeSystem::TT: converted = saal::UTCToET(d); break;
    }
  } else if (time_system == TimeSystem::TAI) {
    switch (target) {
      case TimeSystem::UTC: converted = saal::TAIToUTC(d); break;
      case TimeSystem::TAI: converted = d; break;
      case TimeSystem::UT1: converted = saal::TAIToUT1(d); break;
      case TimeSystem::TT: break;
    }
  }
  if (converted == kUnsupported) {
    return fail(std::string(enum_text(time_system)) + " to " + std::string(enum_text(target)) +
                " conversion not supported");
  }
  return Epoch{converted, target};
}

Result<double> Epoch::day_of_year() const {
  int year = 0;
  double day = 0.0;
  saal::UTCToYrDays(&year, &day, days_since_1950);
  if (day == 0.0) return saal_failure();  // days of the year start at 1
  return day;
}

Result<std::string> Epoch::to_dtg_20() const { return dtg_text(saal::UTCToDTG20, days_since_1950); }
Result<std::string> Epoch::to_dtg_19() const { return dtg_text(saal::UTCToDTG19, days_since_1950); }
Result<std::string> Epoch::to_dtg_17() const { return dtg_text(saal::UTCToDTG17, days_since_1950); }
Result<std::string> Epoch::to_dtg_15() const { return dtg_text(saal::UTCToDTG15, days_since_1950); }

Result<TimeComponents> Epoch::to_time_components() const {
  return components_of(days_since_1950);
}

Result<std::string> Epoch::to_iso() const {
  // Half a millisecond on, then the seconds cut to whole milliseconds: the
  // reading rounds as one value and carries into the minute, day and year.
  auto c = components_of(days_since_1950 + kHalfMillisecondDays);
  if (!c) return c.error();
  TimeComponents rounded = *c;
  rounded.second = std::floor(rounded.second * 1000.0) / 1000.0;
  return rounded.to_iso();
}

Result<double> Epoch::to_fk4_greenwich_angle() const {
  auto ut1 = to_system(TimeSystem::UT1);
  if (!ut1) return ut1.error();
  const double angle = saal::ThetaGrnwchFK4(ut1->days_since_1950);
  if (std::isnan(angle)) return saal_failure();
  return angle;
}

Result<double> Epoch::to_fk5_greenwich_angle() const {
  auto ut1 = to_system(TimeSystem::UT1);
  if (!ut1) return ut1.error();
  const double angle = saal::ThetaGrnwchFK5(ut1->days_since_1950);
  if (std::isnan(angle)) return saal_failure();
  return angle;
}

Result<Epoch> Epoch::plus(const TimeSpan& span) const {
  return finite_epoch(days_since_1950 + span.days, time_system);
}

Result<Epoch> Epoch::minus(const TimeSpan& span) const {
  return finite_epoch(days_since_1950 - span.days, time_system);
}

Result<double> Epoch::days_since(const Epoch& other) const {
  auto converted = other.to_system(time_system);
  if (!converted) return converted.error();
  return days_since_1950 - converted->days_since_1950;
}

}  // namespace qv
