#include "elements/cartesian_state_binding.h"

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_cartesian_state(nb::module_& m) {
  using C = CartesianState;
  auto cls = add_constructible_class<C>(m, "CartesianState");
  def_init(
      cls,
      [](Epoch epoch, CartesianVector position, CartesianVector velocity, ReferenceFrame frame) {
        return C{epoch, position, velocity, frame};
      },
      {"epoch", "position", "velocity", "frame"});
  def_readonly(cls, "position", [](const C& s) { return s.position; });
  def_readonly(cls, "velocity", [](const C& s) { return s.velocity; });
  def_readonly(cls, "epoch", [](const C& s) { return s.epoch; });
  def_method(cls, "get_frame", [](const C& s) { return s.frame; });
  def_method(
      cls, "to_frame",
      [](const C& s, ReferenceFrame frame) { return unwrap(s.to_frame(frame), PyExc_ValueError); },
      {"frame"});
  def_method(cls, "to_keplerian",
             [](const C& s) { return unwrap(s.to_keplerian(), PyExc_ValueError); });
}

}  // namespace qv::py
