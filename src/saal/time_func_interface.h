// Single time operations of the layer with their failure checks, as the
// time_func_interface functions use them.
#pragma once

#include <string>

#include "lib/result.h"

namespace qv::timefunc {

// True once a time-constants file has been loaded explicitly.
bool time_constants_loaded();

// Loads a time-constants file; the error carries the layer's text, which
// names the path and the offending line. The table in force stays on failure.
Status load_time_constants(const std::string& path);

// Day-count arguments must be finite; other failures carry the layer's text.
Result<double> ds50_utc_to_ut1(double ds50_utc);
Result<double> fk4_greenwich_angle(double ds50_ut1);
Result<double> fk5_greenwich_angle(double ds50_ut1);
// Fails for an impossible calendar reading (month 13, 30 February, ...).
Result<double> ymd_components_to_ds50(int year, int month, int day, int hour, int minute,
                                      double second);

}  // namespace qv::timefunc
