#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_ephemeris(nanobind::module_& m);

}  // namespace qv::py
