// The time_func_interface submodule: single layer time operations for Python.
// Non-finite day counts and impossible calendar readings raise ValueError
// rather than handing back NaN; a failed time-constants load raises SAALError.
#include "lib/python/binding.h"
#include "lib/python/submodules.h"
#include "saal/time_func_interface.h"

namespace qv::py {

void register_time_func_interface_module(nb::module_& m) {
  def_function(m, "time_constants_loaded", [] { return timefunc::time_constants_loaded(); });
  def_function(
      m, "load_time_constants",
      [](const std::string& path) {
        unwrap(timefunc::load_time_constants(zero_terminated(path)), saal_error_type());
      },
      {"path"});
  def_function(
      m, "ds50_utc_to_ut1",
      [](double ds50_utc) { return unwrap(timefunc::ds50_utc_to_ut1(ds50_utc), PyExc_ValueError); },
      {"ds50_utc"});
  def_function(
      m, "get_fk4_greenwich_angle",
      [](double ds50_ut1) {
        return unwrap(timefunc::fk4_greenwich_angle(ds50_ut1), PyExc_ValueError);
      },
      {"ds50_ut1"});
  def_function(
      m, "get_fk5_greenwich_angle",
      [](double ds50_ut1) {
        return unwrap(timefunc::fk5_greenwich_angle(ds50_ut1), PyExc_ValueError);
      },
      {"ds50_ut1"});
  def_function(
      m, "ymd_components_to_ds50",
      [](std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
         std::int32_t minute, double second) {
        return unwrap(timefunc::ymd_components_to_ds50(year, month, day, hour, minute, second),
                      PyExc_ValueError);
      },
      {"year", "month", "day", "hour", "minute", "second"});
}

}  // namespace qv::py
