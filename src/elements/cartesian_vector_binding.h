#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_cartesian_vector(nanobind::module_& m);

}  // namespace qv::py
