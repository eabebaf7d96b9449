#include "lib/python/binding.h"
#include "lib/python/submodules.h"

namespace qv::py {

void register_time_module(nb::module_&) {}

}  // namespace qv::py
