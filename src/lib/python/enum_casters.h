// Enumerations cross into Python as instances of their own classes (not ints).
// Each enumeration value is held in a one-field box bound as a Python class;
// these casters let every binding take and return the plain C++ enum.
#pragma once

#include <nanobind/nanobind.h>

#include "enums/association_confidence.h"
#include "enums/classification.h"
#include "enums/covariance_type.h"
#include "enums/equinox_type.h"
#include "enums/geodetic_model.h"
#include "enums/keplerian_type.h"
#include "enums/reference_frame.h"
#include "enums/saal_key_mode.h"
#include "enums/time_system.h"

namespace qv::py {

template <class E>
struct EnumBox {
  E code;
};

}  // namespace qv::py

namespace nanobind::detail {

template <class E>
bool qv_enum_from_python(handle src, E& value) noexcept {
  using Box = qv::py::EnumBox<E>;
  if (!nanobind::isinstance<Box>(src)) return false;
  value = nanobind::inst_ptr<Box>(src)->code;
  return true;
}

template <class E>
handle qv_enum_from_cpp(E code) noexcept {
  try {
    return nanobind::cast(qv::py::EnumBox<E>{code}, rv_policy::move).release();
  } catch (...) {
    PyErr_SetString(PyExc_TypeError, "enumeration class is not registered");
    return handle();
  }
}

#define QV_ENUM_CASTER(E, NAME)                                                  \
  template <>                                                                    \
  struct type_caster<E> {                                                        \
    NB_TYPE_CASTER(E, const_name(NAME))                                          \
    bool from_python(handle src, uint8_t, cleanup_list*) noexcept {              \
      return qv_enum_from_python(src, value);                                    \
    }                                                                            \
    static handle from_cpp(E code, rv_policy, cleanup_list*) noexcept {          \
      return qv_enum_from_cpp(code);                                             \
    }                                                                            \
  };

QV_ENUM_CASTER(qv::TimeSystem, "TimeSystem")
QV_ENUM_CASTER(qv::ReferenceFrame, "ReferenceFrame")
QV_ENUM_CASTER(qv::KeplerianType, "KeplerianType")
QV_ENUM_CASTER(qv::Classification, "Classification")
QV_ENUM_CASTER(qv::GeodeticModel, "GeodeticModel")
QV_ENUM_CASTER(qv::EquinoxType, "EquinoxType")
QV_ENUM_CASTER(qv::SAALKeyMode, "SAALKeyMode")
QV_ENUM_CASTER(qv::CovarianceType, "CovarianceType")
QV_ENUM_CASTER(qv::AssociationConfidence, "AssociationConfidence")

#undef QV_ENUM_CASTER

}  // namespace nanobind::detail
