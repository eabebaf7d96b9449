#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_time_components(nanobind::module_& m);

}  // namespace qv::py
