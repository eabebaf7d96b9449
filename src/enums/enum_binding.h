// Binds an enumeration as a Python class with one class attribute per
// member, `value`, int(), repr and equality within the class; members are
// unhashable and unordered.
#pragma once

#include <string>

#include "lib/python/binding.h"

namespace qv::py {

template <class E>
void bind_enum(nb::module_& m) {
  using Box = EnumBox<E>;
  using Info = EnumInfo<E>;
  auto cls = add_class<Box>(m, Info::class_name);

  def_readonly(cls, "value", [](const Box& self) -> nb::object {
    const EnumMember<E>* member = find_member(self.code);
    if (member->text != nullptr) return nb::str(member->text);
    return nb::int_(static_cast<int>(self.code));
  });
  cls.def("__int__", [](const Box& self) { return static_cast<int>(self.code); });
  cls.def("__repr__", [](const Box& self) {
    return std::string(Info::class_name) + "." + find_member(self.code)->name;
  });
  cls.def("__str__", [](const Box& self) {
    return std::string(Info::class_name) + "." + find_member(self.code)->name;
  });
  cls.def("__eq__", [](const Box& self, nb::handle other) -> nb::object {
    if (!nb::isinstance<Box>(other)) return nb::borrow(Py_NotImplemented);
    return nb::bool_(nb::inst_ptr<Box>(other)->code == self.code);
  });
  cls.def("__ne__", [](const Box& self, nb::handle other) -> nb::object {
    if (!nb::isinstance<Box>(other)) return nb::borrow(Py_NotImplemented);
    return nb::bool_(nb::inst_ptr<Box>(other)->code != self.code);
  });
  for (const char* op : {"__lt__", "__le__", "__gt__", "__ge__"}) {
    cls.def(op, [](const Box&, nb::handle) { return nb::borrow(Py_NotImplemented); });
  }
  cls.attr("__hash__") = nb::none();
  for (const auto& member : Info::members) {
    cls.attr(member.name) = nb::cast(Box{member.code}, nb::rv_policy::move);
  }
}

}  // namespace qv::py
