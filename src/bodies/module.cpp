#include "bodies/satellite_binding.h"
#include "lib/python/binding.h"
#include "lib/python/submodules.h"

namespace qv::py {

// Registration order fixes the order of __all__: Satellite, Constellation,
// Earth, Sensor, Observatory.
void register_bodies_module(nb::module_& m) { bind_satellite(m); }

}  // namespace qv::py
