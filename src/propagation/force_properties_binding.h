#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_force_properties(nanobind::module_& m);
void bind_b_star_functions(nanobind::module_& m);

}  // namespace qv::py
