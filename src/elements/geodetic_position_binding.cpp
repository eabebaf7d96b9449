#include "elements/geodetic_position_binding.h"

#include "elements/geodetic_position.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_geodetic_position(nb::module_& m) {
  using G = GeodeticPosition;
  auto cls = add_constructible_class<G>(m, "GeodeticPosition");
  def_init(
      cls, [](double lat, double lon, double alt) { return G{lat, lon, alt}; },
      {"latitude", "longitude", "altitude"});
  def_readonly(cls, "latitude", [](const G& g) { return g.latitude; });
  def_readonly(cls, "longitude", [](const G& g) { return g.longitude; });
  def_readonly(cls, "altitude", [](const G& g) { return g.altitude; });
}

}  // namespace qv::py
