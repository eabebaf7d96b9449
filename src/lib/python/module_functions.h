// The module-level functions of quorvane._quorvane.
#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

// Adds get_thread_count, set_thread_count and set_jpl_ephemeris_file_path.
void add_module_functions(nanobind::module_& m);

}  // namespace qv::py
