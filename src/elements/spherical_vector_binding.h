#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_spherical_vector(nanobind::module_& m);

}  // namespace qv::py
