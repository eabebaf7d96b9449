#include "lib/python/binding.h"
#include "lib/python/submodules.h"
#include "saal/saal_bindings.h"

namespace qv::py {

void register_saal_module(nb::module_& m) {
  bind_main_interface(m);
  bind_ext_ephem_interface(m);
  bind_tle_interface(m);
}

}  // namespace qv::py
