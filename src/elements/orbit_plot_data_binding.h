#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void bind_orbit_plot_state(nanobind::module_& m);
void bind_orbit_plot_data(nanobind::module_& m);

}  // namespace qv::py
