// Binders of the propagation submodule's classes.
#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_inertial_propagator(nanobind::module_& m);
void bind_sgp4_output(nanobind::module_& m);

}  // namespace qv::py
