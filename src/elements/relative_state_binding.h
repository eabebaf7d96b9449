#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_relative_state(nanobind::module_& m);

}  // namespace qv::py
