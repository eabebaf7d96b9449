// Native elements of a propagated set at a time: SGP4's mean elements and
// the osculating elements of its TEME state, both in equinoctial form.
// Element type 4 has no public theory; its sets are propagated with SGP4 on
// their Brouwer mean elements (see Sgp4InitSat), so these are those mean
// elements.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "sgp4_table.h"

namespace saal {

int XpGetNativeElts(Key sat_key, double mean_kep[6], double osc_kep[6], double ds50_utc) {
  std::fill(mean_kep, mean_kep + 6, 0.0);
  std::fill(osc_kep, osc_kep + 6, 0.0);
  const auto row = sgp4::find_row(sat_key, "XpGetNativeElts");
  if (!row) return 1;
  sgp4::State s;
  if (!sgp4::propagate_row(*row, ds50_utc, "XpGetNativeElts", s)) return 1;
  constexpr double kDeg = 180.0 / std::numbers::pi;
  const double mean[6] = {s.mean_semi_major_axis_er * kWgs72.radius_km,
                          s.mean_eccentricity,
                          s.mean_inclination * kDeg,
                          s.mean_anomaly * kDeg,
                          s.mean_node * kDeg,
                          s.mean_argument_of_perigee * kDeg};
  if (KepToEqnx(mean, mean_kep) != 0) return 1;
  double osc[6];
  if (PosVelToKep(s.position_km, s.velocity_km_s, osc) != 0) return 1;
  return KepToEqnx(osc, osc_kep);
}

}  // namespace saal
