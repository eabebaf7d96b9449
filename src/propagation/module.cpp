#include "lib/python/binding.h"
#include "lib/python/submodules.h"
#include "propagation/force_properties_binding.h"
#include "propagation/propagation_bindings.h"

namespace qv::py {

void register_propagation_module(nb::module_& m) {
  bind_force_properties(m);
  bind_inertial_propagator(m);
  bind_sgp4_output(m);
  bind_b_star_functions(m);
}

}  // namespace qv::py
