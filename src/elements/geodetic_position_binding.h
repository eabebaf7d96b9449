#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_geodetic_position(nanobind::module_& m);

}  // namespace qv::py
