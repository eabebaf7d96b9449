#include "time/time_components_binding.h"

#include "lib/python/binding.h"
#include "time/time_components.h"

namespace qv::py {

void bind_time_components(nb::module_& m) {
  using TC = TimeComponents;
  auto cls = add_constructible_class<TC>(m, "TimeComponents");
  def_init(
      cls,
      [](std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
         std::int32_t minute, double second) { return TC{year, month, day, hour, minute, second}; },
      {"year", "month", "day", "hour", "minute", "second"});
  def_property(
      cls, "year", [](const TC& c) { return c.year; }, [](TC& c, std::int32_t v) { c.year = v; });
  def_property(
      cls, "month", [](const TC& c) { return c.month; },
      [](TC& c, std::int32_t v) { c.month = v; });
  def_property(
      cls, "day", [](const TC& c) { return c.day; }, [](TC& c, std::int32_t v) { c.day = v; });
  def_property(
      cls, "hour", [](const TC& c) { return c.hour; }, [](TC& c, std::int32_t v) { c.hour = v; });
  def_property(
      cls, "minute", [](const TC& c) { return c.minute; },
      [](TC& c, std::int32_t v) { c.minute = v; });
  def_property(
      cls, "second", [](const TC& c) { return c.second; }, [](TC& c, double v) { c.second = v; });
  def_method(cls, "to_iso", [](const TC& c) { return c.to_iso(); });
  // Unreadable text is treated as a violated invariant (InternalFault).
  def_static(
      cls, "from_iso", [](const std::string& iso) { return unwrap_or_fault(TC::from_iso(iso)); },
      {"iso"});
  cls.def("__str__", [](const TC& c) { return c.to_iso(); });
  cls.def("__repr__", [](const TC& c) { return c.repr(); });
  cls.def("__eq__", [](const TC& c, nb::handle other) -> nb::object {
    if (!nb::isinstance<TC>(other)) return nb::borrow(Py_NotImplemented);
    return nb::bool_(c == *nb::inst_ptr<TC>(other));
  });
  cls.def("__ne__", [](const TC& c, nb::handle other) -> nb::object {
    if (!nb::isinstance<TC>(other)) return nb::borrow(Py_NotImplemented);
    return nb::bool_(!(c == *nb::inst_ptr<TC>(other)));
  });
  // Mutable and compared by value: unhashable, as Python makes such classes.
  cls.attr("__hash__") = nb::none();
}

}  // namespace qv::py
