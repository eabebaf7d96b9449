#include "elements/orbit_plot_data_binding.h"

#include "elements/orbit_plot_data.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_orbit_plot_state(nb::module_& m) {
  auto cls = add_class<OrbitPlotState>(m, "OrbitPlotState");
  def_readonly(cls, "epoch", [](const OrbitPlotState& s) { return s.epoch; });
  def_readonly(cls, "latitude", [](const OrbitPlotState& s) { return s.latitude; });
  def_readonly(cls, "longitude", [](const OrbitPlotState& s) { return s.longitude; });
  def_readonly(cls, "altitude", [](const OrbitPlotState& s) { return s.altitude; });
  def_readonly(cls, "semi_major_axis", [](const OrbitPlotState& s) { return s.semi_major_axis; });
  def_readonly(cls, "eccentricity", [](const OrbitPlotState& s) { return s.eccentricity; });
  def_readonly(cls, "inclination", [](const OrbitPlotState& s) { return s.inclination; });
  def_readonly(cls, "raan", [](const OrbitPlotState& s) { return s.raan; });
  def_readonly(cls, "radius", [](const OrbitPlotState& s) { return s.radius; });
  def_readonly(cls, "apogee_radius", [](const OrbitPlotState& s) { return s.apogee_radius; });
  def_readonly(cls, "perigee_radius", [](const OrbitPlotState& s) { return s.perigee_radius; });
}

void bind_orbit_plot_data(nb::module_& m) {
  auto cls = add_class<OrbitPlotData>(m, "OrbitPlotData");
  def_readonly(cls, "satellite_id", [](const OrbitPlotData& d) { return d.satellite_id; });
  def_readonly(cls, "epochs", [](const OrbitPlotData& d) { return d.epochs; });
  def_readonly(cls, "latitudes", [](const OrbitPlotData& d) { return d.latitudes; });
  def_readonly(cls, "longitudes", [](const OrbitPlotData& d) { return d.longitudes; });
  def_readonly(cls, "altitudes", [](const OrbitPlotData& d) { return d.altitudes; });
  def_readonly(cls, "semi_major_axes", [](const OrbitPlotData& d) { return d.semi_major_axes; });
  def_readonly(cls, "eccentricities", [](const OrbitPlotData& d) { return d.eccentricities; });
  def_readonly(cls, "inclinations", [](const OrbitPlotData& d) { return d.inclinations; });
  def_readonly(cls, "raans", [](const OrbitPlotData& d) { return d.raans; });
  def_readonly(cls, "radii", [](const OrbitPlotData& d) { return d.radii; });
  def_readonly(cls, "apogee_radii", [](const OrbitPlotData& d) { return d.apogee_radii; });
  def_readonly(cls, "perigee_radii", [](const OrbitPlotData& d) { return d.perigee_radii; });
}

}  // namespace qv::py
