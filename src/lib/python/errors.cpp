#include "lib/python/errors.h"

#include <nanobind/nanobind.h>

#include <new>

namespace nb = nanobind;

namespace qv::py {
namespace {
PyObject* g_saal_error = nullptr;

nb::object decode_replacing(std::string_view text) {
  return nb::steal(PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()),
                                        "replace"));
}
}  // namespace

PyObject* internal_fault_type() {
  static PyObject* type = PyErr_NewExceptionWithDoc(
      "quorvane.InternalFault", "An internal invariant of quorvane was violated.",
      PyExc_BaseException, nullptr);
  return type;
}

PyObject* create_saal_error_type() {
  if (g_saal_error == nullptr) {
    g_saal_error = PyErr_NewException("quorvane.exceptions.SAALError", PyExc_Exception, nullptr);
  }
  return g_saal_error;
}

PyObject* saal_error_type() { return g_saal_error != nullptr ? g_saal_error : PyExc_RuntimeError; }

void raise(PyObject* type, std::string_view message) {
  nb::object text = decode_replacing(message);
  PyErr_SetObject(type, text.ptr());
  throw nb::python_error();
}

void register_exception_translators() {
  nb::register_exception_translator([](const std::exception_ptr& p, void*) {
    try {
      std::rethrow_exception(p);
    } catch (const InternalFault& fault) {
      nb::object text = decode_replacing(fault.what());
      PyErr_SetObject(internal_fault_type(), text.ptr());
    } catch (const nb::builtin_exception&) {
      throw;
    } catch (const nb::python_error&) {
      throw;
    } catch (const std::bad_alloc&) {
      PyErr_NoMemory();
    } catch (const std::exception& e) {
      nb::object text = decode_replacing(e.what());
      PyErr_SetObject(internal_fault_type(), text.ptr());
    }
  });
}

}  // namespace qv::py
