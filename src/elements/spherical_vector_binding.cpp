#include "elements/spherical_vector_binding.h"

#include "elements/cartesian_vector.h"
#include "elements/spherical_vector.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_spherical_vector(nb::module_& m) {
  using S = SphericalVector;
  auto cls = add_constructible_class<S>(m, "SphericalVector");
  def_init(
      cls, [](double range, double ra, double dec) { return S{range, ra, dec}; },
      {"range", "right_ascension", "declination"});
  def_property(
      cls, "range", [](const S& s) { return s.range; }, [](S& s, double v) { s.range = v; });
  def_property(
      cls, "right_ascension", [](const S& s) { return s.right_ascension; },
      [](S& s, double v) { s.right_ascension = v; });
  def_property(
      cls, "declination", [](const S& s) { return s.declination; },
      [](S& s, double v) { s.declination = v; });
  def_method(cls, "to_cartesian", [](const S& s) { return s.to_cartesian(); });
}

}  // namespace qv::py
