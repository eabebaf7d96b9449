#include "time/epoch_binding.h"

#include "lib/python/binding.h"
#include "time/epoch.h"

namespace qv::py {
namespace {

// Comparison operators take any right operand and hand back NotImplemented
// for non-epochs, so Python applies its own fallback.
template <class Compare>
void def_comparison(nb::class_<Epoch>& cls, const char* name, Compare compare) {
  cls.def(name, [compare](const Epoch& e, nb::handle other) -> nb::object {
    if (!nb::isinstance<Epoch>(other)) return nb::borrow(Py_NotImplemented);
    return nb::bool_(compare(e, *nb::inst_ptr<Epoch>(other)));
  });
}

nb::object subtract(const Epoch& e, nb::handle other) {
  if (nb::isinstance<Epoch>(other)) {
    const double days = unwrap_or_fault(e.days_since(*nb::inst_ptr<Epoch>(other)));
    return nb::cast(TimeSpan{days});
  }
  if (nb::isinstance<TimeSpan>(other)) {
    return nb::cast(unwrap(e.minus(*nb::inst_ptr<TimeSpan>(other)), PyExc_ValueError));
  }
  raise(PyExc_TypeError, "Unsupported operand type for -");
}

}  // namespace

void bind_epoch(nb::module_& m) {
  auto cls = add_class<Epoch>(m, "Epoch");
  def_static(
      cls, "from_days_since_1950",
      [](double days, TimeSystem system) {
        return unwrap(Epoch::from_days_since_1950(days, system), PyExc_ValueError);
      },
      {"days_since_1950", "time_system"});
  def_static(
      cls, "from_dtg",
      [](const std::string& dtg, TimeSystem system) {
        return unwrap(Epoch::from_dtg(dtg, system), PyExc_ValueError);
      },
      {"dtg", "time_system"});
  // Text the ISO grammar cannot read is a violated invariant (InternalFault);
  // a readable but impossible date (month 13) is a ValueError.
  def_static(
      cls, "from_iso",
      [](const std::string& iso, TimeSystem system) {
        const TimeComponents components = unwrap_or_fault(TimeComponents::from_iso(iso));
        return unwrap(Epoch::from_time_components(components, system), PyExc_ValueError);
      },
      {"iso", "time_system"});
  def_static(
      cls, "from_time_components",
      [](const TimeComponents& components, TimeSystem system) {
        return unwrap(Epoch::from_time_components(components, system), PyExc_ValueError);
      },
      {"components", "time_system"});

  def_readonly(cls, "days_since_1950", [](const Epoch& e) { return e.days_since_1950; });
  def_readonly(cls, "time_system", [](const Epoch& e) { return e.time_system; });
  def_readonly(cls, "day_of_year",
               [](const Epoch& e) { return unwrap(e.day_of_year(), PyExc_ValueError); });

  def_method(
      cls, "to_system",
      [](const Epoch& e, TimeSystem target) {
        return unwrap(e.to_system(target), PyExc_RuntimeError);
      },
      {"time_system"});
  def_method(cls, "to_dtg_20",
             [](const Epoch& e) { return unwrap(e.to_dtg_20(), PyExc_ValueError); });
  def_method(cls, "to_dtg_19",
             [](const Epoch& e) { return unwrap(e.to_dtg_19(), PyExc_ValueError); });
  def_method(cls, "to_dtg_17",
             [](const Epoch& e) { return unwrap(e.to_dtg_17(), PyExc_ValueError); });
  def_method(cls, "to_dtg_15",
             [](const Epoch& e) { return unwrap(e.to_dtg_15(), PyExc_ValueError); });
  def_method(cls, "to_iso", [](const Epoch& e) { return unwrap(e.to_iso(), PyExc_ValueError); });
  def_method(cls, "to_time_components",
             [](const Epoch& e) { return unwrap(e.to_time_components(), PyExc_ValueError); });
  // Only UTC and TAI epochs have a UT1; asking another is a violated invariant.
  // A day count too far out for an angle is a ValueError.
  def_method(cls, "to_fk4_greenwich_angle", [](const Epoch& e) {
    unwrap_or_fault(e.to_system(TimeSystem::UT1));
    return unwrap(e.to_fk4_greenwich_angle(), PyExc_ValueError);
  });
  def_method(cls, "to_fk5_greenwich_angle", [](const Epoch& e) {
    unwrap_or_fault(e.to_system(TimeSystem::UT1));
    return unwrap(e.to_fk5_greenwich_angle(), PyExc_ValueError);
  });

  cls.def(
      "__add__",
      [](const Epoch& e, const TimeSpan& span) {
        return unwrap(e.plus(span), PyExc_ValueError);
      },
      nb::is_operator());
  cls.def("__sub__", &subtract);

  def_comparison(cls, "__eq__", [](const Epoch& a, const Epoch& b) {
    return a.days_since_1950 == b.days_since_1950 && a.time_system == b.time_system;
  });
  def_comparison(cls, "__ne__", [](const Epoch& a, const Epoch& b) {
    return a.days_since_1950 != b.days_since_1950;
  });
  def_comparison(cls, "__lt__", [](const Epoch& a, const Epoch& b) {
    return a.days_since_1950 < b.days_since_1950;
  });
  def_comparison(cls, "__le__", [](const Epoch& a, const Epoch& b) {
    return a.days_since_1950 <= b.days_since_1950;
  });
  def_comparison(cls, "__gt__", [](const Epoch& a, const Epoch& b) {
    return a.days_since_1950 > b.days_since_1950;
  });
  def_comparison(cls, "__ge__", [](const Epoch& a, const Epoch& b) {
    return a.days_since_1950 >= b.days_since_1950;
  });
  // Equality is by value, so identity hashing would break dict lookups.
  cls.attr("__hash__") = nb::none();
}

}  // namespace qv::py
