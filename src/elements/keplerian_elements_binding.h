#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_keplerian_elements(nanobind::module_& m);

}  // namespace qv::py
