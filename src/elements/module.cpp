#include "elements/bore_to_body_angles_binding.h"
#include "elements/cartesian_state_binding.h"
#include "elements/cartesian_vector_binding.h"
#include "elements/ephemeris_binding.h"
#include "elements/equinoctial_elements_binding.h"
#include "elements/geodetic_position_binding.h"
#include "elements/keplerian_elements_binding.h"
#include "elements/keplerian_state_binding.h"
#include "elements/orbit_plot_data_binding.h"
#include "elements/relative_state_binding.h"
#include "elements/spherical_vector_binding.h"
#include "elements/tle_binding.h"
#include "lib/python/binding.h"
#include "lib/python/submodules.h"

namespace qv::py {

// Registration order fixes the order of __all__: TLE, CartesianState,
// CartesianVector, KeplerianState, KeplerianElements, Ephemeris,
// SphericalVector, TopocentricElements, EquinoctialElements, GeodeticPosition,
// HorizonElements, HorizonState, OrbitPlotState, OrbitPlotData, RelativeState,
// BoreToBodyAngles, TopocentricState.
void register_elements_module(nb::module_& m) {
  bind_tle(m);
  bind_cartesian_state(m);
  bind_cartesian_vector(m);
  bind_keplerian_state(m);
  bind_keplerian_elements(m);
  bind_ephemeris(m);
  bind_spherical_vector(m);
  bind_equinoctial_elements(m);
  bind_geodetic_position(m);
  bind_orbit_plot_state(m);
  bind_orbit_plot_data(m);
  bind_relative_state(m);
  bind_bore_to_body_angles(m);
}

}  // namespace qv::py
