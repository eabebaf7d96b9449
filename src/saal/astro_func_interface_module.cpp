#include "lib/python/binding.h"
#include "lib/python/submodules.h"

namespace qv::py {

void register_astro_func_interface_module(nb::module_&) {}

}  // namespace qv::py
