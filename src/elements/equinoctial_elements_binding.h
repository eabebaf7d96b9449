#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_equinoctial_elements(nanobind::module_& m);

}  // namespace qv::py
