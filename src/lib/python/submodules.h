// Fillers of the twelve submodules, each defined beside the classes it adds.
#pragma once

#include <nanobind/nanobind.h>

namespace qv::py {

void register_saal_module(nanobind::module_& m);
void register_astro_func_interface_module(nanobind::module_& m);
void register_time_func_interface_module(nanobind::module_& m);
void register_enums_module(nanobind::module_& m);
void register_time_module(nanobind::module_& m);
void register_elements_module(nanobind::module_& m);
void register_propagation_module(nanobind::module_& m);
void register_catalogs_module(nanobind::module_& m);
void register_bodies_module(nanobind::module_& m);
void register_events_module(nanobind::module_& m);
void register_estimation_module(nanobind::module_& m);
void register_exceptions_module(nanobind::module_& m);

}  // namespace qv::py
