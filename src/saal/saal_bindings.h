// Binders of the classes of the saal submodule, in order of registration.
#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_main_interface(nanobind::module_& m);
void bind_ext_ephem_interface(nanobind::module_& m);
void bind_tle_interface(nanobind::module_& m);

}  // namespace qv::py
