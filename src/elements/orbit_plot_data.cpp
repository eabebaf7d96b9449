#include "elements/orbit_plot_data.h"

#include <cmath>

#include "saal/saal.h"

namespace qv {

std::optional<OrbitPlotState> plot_state_from_keplerian(const double kep[6], const Epoch& epoch) {
  double pos[3], vel[3], llh[3];
  if (saal::KepToPosVel(kep, pos, vel) != 0) return std::nullopt;
  saal::XYZToLLHTime(pos, llh, epoch.days_since_1950);
  const double a = kep[0], e = kep[1];
  OrbitPlotState s;
  s.epoch = epoch;
  s.latitude = llh[0];
  s.longitude = llh[1];
  s.altitude = llh[2];
  s.semi_major_axis = a;
  s.eccentricity = e;
  s.inclination = kep[2];
  s.raan = kep[4];
  s.radius = std::sqrt(pos[0] * pos[0] + pos[1] * pos[1] + pos[2] * pos[2]);
  s.apogee_radius = a * (1.0 + e);
  s.perigee_radius = a * (1.0 - e);
  return s;
}

std::optional<OrbitPlotState> plot_state_from_cartesian(const CartesianState& state) {
  const double pos[3] = {state.position.x, state.position.y, state.position.z};
  const double vel[3] = {state.velocity.x, state.velocity.y, state.velocity.z};
  double kep[6];
  if (saal::PosVelToKep(pos, vel, kep) != 0) return std::nullopt;
  return plot_state_from_keplerian(kep, state.epoch);
}

Status OrbitPlotData::add_state(const OrbitPlotState& state) {
  auto iso = state.epoch.to_iso();
  if (!iso) return iso.error();
  epochs.push_back(std::move(*iso));
  latitudes.push_back(state.latitude);
  longitudes.push_back(state.longitude);
  altitudes.push_back(state.altitude);
  semi_major_axes.push_back(state.semi_major_axis);
  eccentricities.push_back(state.eccentricity);
  inclinations.push_back(state.inclination);
  raans.push_back(state.raan);
  radii.push_back(state.radius);
  apogee_radii.push_back(state.apogee_radius);
  perigee_radii.push_back(state.perigee_radius);
  return ok_status();
}

}  // namespace qv
