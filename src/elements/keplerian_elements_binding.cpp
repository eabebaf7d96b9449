#include "elements/keplerian_elements_binding.h"

#include "elements/equinoctial_elements.h"
#include "elements/keplerian_elements.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_keplerian_elements(nb::module_& m) {
  using K = KeplerianElements;
  auto cls = add_constructible_class<K>(m, "KeplerianElements");
  def_init(
      cls,
      [](double a, double e, double i, double raan, double argp, double ma) {
        return K{a, e, i, raan, argp, ma};
      },
      {"semi_major_axis", "eccentricity", "inclination", "raan", "argument_of_perigee",
       "mean_anomaly"});
  def_property(
      cls, "semi_major_axis", [](const K& k) { return k.semi_major_axis; },
      [](K& k, double v) { k.semi_major_axis = v; });
  def_property(
      cls, "eccentricity", [](const K& k) { return k.eccentricity; },
      [](K& k, double v) { k.eccentricity = v; });
  def_property(
      cls, "inclination", [](const K& k) { return k.inclination; },
      [](K& k, double v) { k.inclination = v; });
  def_property(
      cls, "raan", [](const K& k) { return k.raan; }, [](K& k, double v) { k.raan = v; });
  def_property(
      cls, "argument_of_perigee", [](const K& k) { return k.argument_of_perigee; },
      [](K& k, double v) { k.argument_of_perigee = v; });
  def_property(
      cls, "mean_anomaly", [](const K& k) { return k.mean_anomaly; },
      [](K& k, double v) { k.mean_anomaly = v; });
  def_readonly(cls, "apoapsis", [](const K& k) { return k.apoapsis(); });
  def_readonly(cls, "periapsis", [](const K& k) { return k.periapsis(); });
  def_method(
      cls, "get_mean_motion",
      [](const K& k, KeplerianType type) { return unwrap(k.mean_motion(type), PyExc_ValueError); },
      {"element_type"});
  def_method(cls, "to_mean", [](const K& k) { return unwrap(k.to_mean(), PyExc_ValueError); });
  def_method(cls, "to_equinoctial",
             [](const K& k) { return unwrap(k.to_equinoctial(), PyExc_ValueError); });
}

}  // namespace qv::py
