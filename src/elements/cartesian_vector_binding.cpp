#include "elements/cartesian_vector_binding.h"

#include "elements/cartesian_vector.h"
#include "elements/spherical_vector.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_cartesian_vector(nb::module_& m) {
  using V = CartesianVector;
  auto cls = add_constructible_class<V>(m, "CartesianVector");
  def_init(cls, [](double x, double y, double z) { return V{x, y, z}; }, {"x", "y", "z"});
  def_readonly(cls, "x", [](const V& v) { return v.x; });
  def_readonly(cls, "y", [](const V& v) { return v.y; });
  def_readonly(cls, "z", [](const V& v) { return v.z; });
  def_readonly(cls, "magnitude", [](const V& v) { return v.magnitude(); });
  def_method(cls, "dot", [](const V& v, const V& other) { return v.dot(other); }, {"other"});
  def_method(cls, "angle", [](const V& v, const V& other) { return v.angle(other); }, {"other"});
  def_method(
      cls, "distance", [](const V& v, const V& other) { return v.distance(other); }, {"other"});
  def_method(cls, "to_spherical", [](const V& v) { return v.to_spherical(); });
  // Operators return NotImplemented for other operand types, so Python
  // raises its own TypeError.
  cls.def("__add__", [](const V& a, const V& b) { return a + b; }, nb::is_operator());
  cls.def("__sub__", [](const V& a, const V& b) { return a - b; }, nb::is_operator());
}

}  // namespace qv::py
