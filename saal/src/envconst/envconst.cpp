// Geopotential constants of the model SGP4 runs on (WGS-72).
#include <string>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"

namespace saal {

double EnvGetGeoConst(int which) {
  const EarthModel& m = kWgs72;
  switch (which) {
    case XF_GEOCON_FF: return m.flattening;
    case XF_GEOCON_J2: return m.j2;
    case XF_GEOCON_J3: return m.j3;
    case XF_GEOCON_J4: return m.j4;
    case XF_GEOCON_KE: return m.ke_er15_per_min;
    case XF_GEOCON_KMPER: return m.radius_km;
    case XF_GEOCON_RPTIM: return kEarthRotationRadPerSec * kSecondsPerDay / (2.0 * 3.141592653589793);
    case XF_GEOCON_MU: return m.mu_km3_s2;
    default:
      detail::set_last_error("EnvGetGeoConst: unknown constant selector " + std::to_string(which));
      return 0.0;
  }
}

}  // namespace saal
