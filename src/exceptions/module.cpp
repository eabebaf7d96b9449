#include "lib/python/binding.h"
#include "lib/python/submodules.h"

namespace qv::py {

void register_exceptions_module(nb::module_& m) {
  PyObject* saal_error = create_saal_error_type();
  if (saal_error == nullptr) throw InternalFault("Failed to initialize new exception type.");
  add_member(m, "SAALError", saal_error);
}

}  // namespace qv::py
