#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_bore_to_body_angles(nanobind::module_& m);

}  // namespace qv::py
