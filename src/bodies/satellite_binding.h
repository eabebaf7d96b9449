#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_satellite(nanobind::module_& m);

}  // namespace qv::py
