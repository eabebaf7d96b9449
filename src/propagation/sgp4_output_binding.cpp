#include "lib/python/binding.h"
#include "propagation/propagation_bindings.h"
#include "propagation/sgp4_output.h"

namespace qv::py {

void bind_sgp4_output(nb::module_& m) {
  using O = SGP4Output;
  auto cls = add_class<O>(m, "SGP4Output");
  def_readonly(cls, "mean_elements", [](const O& o) { return o.mean_elements; });
  def_readonly(cls, "osculating_elements", [](const O& o) { return o.osculating_elements; });
  def_readonly(cls, "geodetic_position", [](const O& o) { return o.geodetic_position; });
  def_readonly(cls, "cartesian_state", [](const O& o) { return o.cartesian_state; });
}

}  // namespace qv::py
