// Raising Python exceptions at the binding boundary.
#pragma once

#include <Python.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "lib/result.h"

namespace qv::py {

// A violated internal invariant; the boundary raises it as InternalFault, a
// BaseException subclass that `except Exception` does not swallow.
struct InternalFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The InternalFault class, created on first use.
PyObject* internal_fault_type();

// quorvane.exceptions.SAALError, created when the exceptions submodule is
// registered.
PyObject* saal_error_type();
PyObject* create_saal_error_type();

// Raises `type` with `message` (invalid UTF-8 in it is replaced).
[[noreturn]] void raise(PyObject* type, std::string_view message);

template <class T>
T unwrap(Result<T> result, PyObject* type) {
  if (!result.ok()) raise(type, result.message());
  return std::move(result).value();
}

inline void unwrap(const Status& status, PyObject* type) {
  if (!status.ok()) raise(type, status.message());
}

template <class T>
T unwrap_or_fault(Result<T> result) {
  if (!result.ok()) throw InternalFault(result.message());
  return std::move(result).value();
}

// Installs the translator that turns C++ exceptions escaping a binding into
// Python exceptions: InternalFault for faults and unexpected exceptions.
void register_exception_translators();

}  // namespace qv::py
