// Entry point of quorvane._quorvane: module-level functions and the submodule
// tree, each submodule also importable by its dotted name.
#include <nanobind/nanobind.h>

#include "lib/python/binding.h"
#include "lib/python/logging_bridge.h"
#include "lib/python/module_functions.h"
#include "lib/python/submodules.h"
#include "saal/saal.h"

namespace nb = nanobind;

namespace {

// Runs when the shared object is mapped, before any Python code of it: every
// table of the layer hands out keys in direct-memory-access mode. A refusal is
// ignored, as nothing could report it yet.
__attribute__((constructor)) void select_key_mode_on_load() {
  if (saal::SetAllKeyMode(1) != 0) {
    char discarded[saal::kTextBufferSize] = {};
    saal::GetLastErrMsg(discarded);
  }
}

void add_submodule(nb::module_& parent, const char* name, void (*fill)(nb::module_&),
                   const char* alias_statement) {
  nb::module_ sub = nb::steal<nb::module_>(PyModule_New(name));
  if (!sub.is_valid()) throw nb::python_error();
  fill(sub);
  nb::dict scope;
  scope["__builtins__"] = nb::handle(PyEval_GetBuiltins());
  scope[name] = sub;
  nb::object done =
      nb::steal(PyRun_String(alias_statement, Py_file_input, scope.ptr(), scope.ptr()));
  if (!done.is_valid()) {
    PyErr_Print();
    nb::object flushed = nb::steal(
        PyRun_String("import sys; sys.stderr.flush()", Py_file_input, scope.ptr(), scope.ptr()));
    if (!flushed.is_valid()) PyErr_Clear();
    throw qv::py::InternalFault(alias_statement);
  }
  qv::py::add_member(parent, name, sub);
}

}  // namespace

static void build_module(nb::module_& m) {
  using namespace qv::py;
  m.attr("__doc__") = "";
  // Enumeration classes hold their members as class attributes, a cycle that
  // lives until exit; the exit-time leak report would only be noise.
  nb::set_leak_warnings(false);
  register_exception_translators();
  install_logging_bridge();
  add_module_functions(m);

  struct Submodule {
    const char* name;
    void (*fill)(nb::module_&);
    const char* alias_statement;
  };
  static constexpr Submodule kSubmodules[] = {
      {"saal", register_saal_module,
       "import sys; sys.modules['quorvane._quorvane.saal'] = saal"},
      {"astro_func_interface", register_astro_func_interface_module,
       "import sys; sys.modules['quorvane._quorvane.saal.astro_func_interface'] = "
       "astro_func_interface"},
      {"time_func_interface", register_time_func_interface_module,
       "import sys; sys.modules['quorvane._quorvane.saal.time_func_interface'] = "
       "time_func_interface"},
      {"enums", register_enums_module, "import sys; sys.modules['quorvane._quorvane.enums'] = enums"},
      {"time", register_time_module, "import sys; sys.modules['quorvane._quorvane.time'] = time"},
      {"elements", register_elements_module,
       "import sys; sys.modules['quorvane._quorvane.elements'] = elements"},
      {"propagation", register_propagation_module,
       "import sys; sys.modules['quorvane._quorvane.propagation'] = propagation"},
      {"catalogs", register_catalogs_module,
       "import sys; sys.modules['quorvane._quorvane.catalogs'] = catalogs"},
      {"bodies", register_bodies_module,
       "import sys; sys.modules['quorvane._quorvane.bodies'] = bodies"},
      {"events", register_events_module,
       "import sys; sys.modules['quorvane._quorvane.events'] = events"},
      {"estimation", register_estimation_module,
       "import sys; sys.modules['quorvane._quorvane.estimation'] = estimation"},
      {"exceptions", register_exceptions_module,
       "import sys; sys.modules['quorvane._quorvane.exceptions'] = exceptions"},
  };
  for (const Submodule& sub : kSubmodules) add_submodule(m, sub.name, sub.fill, sub.alias_statement);
}

// The module built by the first import; it lives until the process ends.
namespace {
PyObject* g_module = nullptr;
PyInterpreterState* g_interpreter = nullptr;
}  // namespace

NB_MODULE(_quorvane, m) {
  // Importing again (after the entry left sys.modules) hands back the first
  // module: the import machinery returns whatever sys.modules then holds.
  // Its classes and process-wide hooks exist once and cannot be built twice.
  if (g_module != nullptr) {
    if (PyInterpreterState_Get() != g_interpreter) {
      qv::py::raise(PyExc_ImportError,
                    "quorvane._quorvane cannot be imported into a second interpreter");
    }
    nb::object modules = nb::borrow(PyImport_GetModuleDict());
    modules[m.attr("__name__")] = nb::handle(g_module);
    return;
  }
  // A fault aborts the import as InternalFault (which the import machinery
  // chains under its ImportError) rather than as an anonymous C++ exception.
  try {
    build_module(m);
  } catch (const qv::py::InternalFault& fault) {
    PyErr_SetString(qv::py::internal_fault_type(), fault.what());
    throw nb::python_error();
  }
  g_module = m.inc_ref().ptr();
  g_interpreter = PyInterpreterState_Get();
}
