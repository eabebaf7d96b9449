#include "elements/keplerian_state_binding.h"

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_keplerian_state(nb::module_& m) {
  using K = KeplerianState;
  auto cls = add_constructible_class<K>(m, "KeplerianState");
  def_init(
      cls,
      [](Epoch epoch, KeplerianElements elements, ReferenceFrame frame, KeplerianType type) {
        return K{epoch, elements, frame, type};
      },
      {"epoch", "elements", "frame", "keplerian_type"});
  def_property(
      cls, "epoch", [](const K& s) { return s.epoch; }, [](K& s, Epoch e) { s.epoch = e; });
  def_property(
      cls, "type", [](const K& s) { return s.keplerian_type; },
      [](K& s, KeplerianType t) { s.keplerian_type = t; });
  def_readonly(cls, "frame", [](const K& s) { return s.frame; });
  def_readonly(cls, "semi_major_axis", [](const K& s) { return s.elements.semi_major_axis; });
  def_readonly(cls, "eccentricity", [](const K& s) { return s.elements.eccentricity; });
  def_readonly(cls, "inclination", [](const K& s) { return s.elements.inclination; });
  def_readonly(cls, "raan", [](const K& s) { return s.elements.raan; });
  def_readonly(cls, "argument_of_perigee",
               [](const K& s) { return s.elements.argument_of_perigee; });
  def_readonly(cls, "mean_anomaly", [](const K& s) { return s.elements.mean_anomaly; });
  def_readonly(cls, "apoapsis", [](const K& s) { return s.elements.apoapsis(); });
  def_readonly(cls, "periapsis", [](const K& s) { return s.elements.periapsis(); });
  def_readonly(cls, "mean_motion",
               [](const K& s) { return unwrap(s.mean_motion(), PyExc_ValueError); });
  def_method(cls, "to_cartesian",
             [](const K& s) { return unwrap(s.to_cartesian(), PyExc_ValueError); });
  def_method(
      cls, "to_frame",
      [](const K& s, ReferenceFrame frame) { return unwrap(s.to_frame(frame), PyExc_ValueError); },
      {"frame"});
}

}  // namespace qv::py
