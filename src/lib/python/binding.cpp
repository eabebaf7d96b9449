#include "lib/python/binding.h"

#include <string>

namespace qv::py {

void bind_slots(const char* function_name, const Params& params, nb::args args,
                nb::kwargs kwargs, nb::handle* slots) {
  const std::size_t n = params.size();
  const std::size_t given = args.size();
  if (given > n) {
    raise(PyExc_TypeError, std::string(function_name) + "() takes " + std::to_string(n) +
                               " positional argument" + (n == 1 ? "" : "s") + " but " +
                               std::to_string(given) + (given == 1 ? " was" : " were") +
                               " given");
  }
  for (std::size_t i = 0; i < given; ++i) slots[i] = args[i];
  for (auto [key, value] : kwargs) {
    const std::string keyword = nb::cast<std::string>(nb::str(key));
    std::size_t index = n;
    for (std::size_t i = 0; i < n; ++i) {
      if (keyword == params[i].name) index = i;
    }
    if (index == n) {
      raise(PyExc_TypeError, std::string(function_name) + "() got an unexpected keyword argument '" +
                                 keyword + "'");
    }
    if (slots[index].is_valid()) {
      raise(PyExc_TypeError, std::string(function_name) + "() got multiple values for argument '" +
                                 keyword + "'");
    }
    slots[index] = value;
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (!slots[i].is_valid() && !params[i].optional) {
      raise(PyExc_TypeError, std::string(function_name) + "() missing required argument '" +
                                 params[i].name + "'");
    }
  }
}

void raise_argument_type_error(const char* name, const std::string& expected, nb::handle given) {
  // A str refused where a str is expected holds what UTF-8 cannot encode.
  if (expected == "str" && PyUnicode_Check(given.ptr())) {
    raise(PyExc_ValueError,
          std::string("argument '") + name + "': text cannot be encoded as UTF-8");
  }
  const std::string given_type = nb::type_name(given.type()).c_str();
  raise(PyExc_TypeError,
        std::string("argument '") + name + "': expected " + expected + ", got " + given_type);
}

void raise_argument_overflow(const char* name, const char* what) {
  raise(PyExc_OverflowError, std::string("argument '") + name + "': " + what);
}

void raise_sequence_length(std::size_t expected, std::size_t given) {
  raise(PyExc_ValueError, "expected a sequence of length " + std::to_string(expected) + " (got " +
                              std::to_string(given) + ")");
}

namespace {
nb::object as_index(nb::handle h, const char* name) {
  if (PyFloat_Check(h.ptr()) || !PyIndex_Check(h.ptr())) {
    raise_argument_type_error(name, "int", h);
  }
  nb::object index = nb::steal(PyNumber_Index(h.ptr()));
  if (!index.is_valid()) throw nb::python_error();
  return index;
}
}  // namespace

long long int_argument(nb::handle h, const char* name, long long lo, long long hi) {
  nb::object index = as_index(h, name);
  int overflow = 0;
  const long long v = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
  if (overflow != 0 || v < lo || v > hi) {
    raise_argument_overflow(name, "integer out of range");
  }
  return v;
}

double float_argument(nb::handle h, const char* name) {
  PyObject* o = h.ptr();
  if (PyFloat_CheckExact(o)) return PyFloat_AS_DOUBLE(o);
  const bool real = PyFloat_Check(o) || PyLong_Check(o) || PyIndex_Check(o) ||
                    (Py_TYPE(o)->tp_as_number != nullptr && Py_TYPE(o)->tp_as_number->nb_float);
  if (!real) raise_argument_type_error(name, "float", h);
  const double value = PyFloat_AsDouble(o);
  if (value == -1.0 && PyErr_Occurred()) {
    if (PyErr_ExceptionMatches(PyExc_OverflowError)) {
      PyErr_Clear();
      raise_argument_overflow(name, "int too large to convert to float");
    }
    PyErr_Clear();
    raise_argument_type_error(name, "float", h);
  }
  return value;
}

unsigned long long uint_argument(nb::handle h, const char* name, unsigned long long hi) {
  nb::object index = as_index(h, name);
  int overflow = 0;
  const long long v = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
  if (overflow < 0 || (overflow == 0 && v < 0)) {
    raise_argument_overflow(name, "can't convert negative int to unsigned");
  }
  unsigned long long u = 0;
  if (overflow > 0) {
    u = PyLong_AsUnsignedLongLong(index.ptr());
    if (PyErr_Occurred()) {
      PyErr_Clear();
      raise_argument_overflow(name, "integer out of range");
    }
  } else {
    u = static_cast<unsigned long long>(v);
  }
  if (u > hi) raise_argument_overflow(name, "integer out of range");
  return u;
}

std::vector<nb::handle> sequence_items(nb::handle h, const char* name, nb::list& keep_alive) {
  if (PyUnicode_Check(h.ptr()) || PyBytes_Check(h.ptr()) || !PySequence_Check(h.ptr())) {
    raise_argument_type_error(name, "a sequence", h);
  }
  nb::object fast = nb::steal(PySequence_Fast(h.ptr(), "expected a sequence"));
  if (!fast.is_valid()) throw nb::python_error();
  keep_alive.append(fast);
  const Py_ssize_t n = PySequence_Fast_GET_SIZE(fast.ptr());
  PyObject** items = PySequence_Fast_ITEMS(fast.ptr());
  return std::vector<nb::handle>(items, items + n);
}

namespace detail {
void check_param_count(const char* name, std::size_t declared, std::size_t expected) {
  if (declared != expected) {
    throw InternalFault(std::string("binding of ") + name + " names " + std::to_string(declared) +
                        " parameters for a callable taking " + std::to_string(expected));
  }
}
}  // namespace detail

void add_to_all(nb::module_& m, const char* name) {
  if (!nb::hasattr(m, "__all__")) m.attr("__all__") = nb::list();
  nb::list all = nb::borrow<nb::list>(m.attr("__all__"));
  all.append(nb::str(name));
}

void add_member(nb::module_& m, const char* name, nb::handle value) {
  m.attr(name) = value;
  add_to_all(m, name);
}

void raise_no_constructor(const char* name) {
  raise(PyExc_TypeError, std::string("No constructor defined for ") + name);
}

nb::object make_property(nb::handle getter, nb::handle setter) {
  // Lives as long as the process: the classes holding it are never freed.
  static nb::handle refuse_delete = nb::cpp_function([](nb::handle) {
                                      raise(PyExc_AttributeError, "can't delete attribute");
                                    }).release();
  nb::object property = nb::module_::import_("builtins").attr("property");
  return property(getter, setter, refuse_delete);
}

std::string zero_terminated(const std::string& text) {
  if (text.find('\0') != std::string::npos) {
    throw InternalFault("text argument contains a zero character");
  }
  return text;
}

}  // namespace qv::py
