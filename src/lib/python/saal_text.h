// Text written by the astrodynamics layer. It reaches Python decoded as
// UTF-8 with invalid sequences replaced, never trimmed.
#pragma once

#include <nanobind/nanobind.h>

#include <string>

#include "lib/saal_text.h"

namespace nanobind::detail {

template <>
struct type_caster<qv::SaalText> {
  NB_TYPE_CASTER(qv::SaalText, const_name("str"))

  bool from_python(handle src, uint8_t, cleanup_list*) noexcept {
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(src.ptr(), &size);
    if (data == nullptr) {
      PyErr_Clear();
      return false;
    }
    value.text.assign(data, static_cast<std::size_t>(size));
    return true;
  }

  static handle from_cpp(const qv::SaalText& value, rv_policy, cleanup_list*) noexcept {
    return PyUnicode_DecodeUTF8(value.text.data(), static_cast<Py_ssize_t>(value.text.size()),
                                "replace");
  }
};

}  // namespace nanobind::detail
