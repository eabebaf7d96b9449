#include "elements/relative_state_binding.h"

#include <string>

#include "elements/relative_state.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_relative_state(nb::module_& m) {
  auto cls = add_constructible_class<RelativeState>(m, "RelativeState");
  def_init(
      cls,
      [](Epoch epoch, CartesianVector position, CartesianVector velocity, std::string origin_id,
         std::string secondary_id) {
        return RelativeState{epoch, position, velocity, std::move(origin_id),
                             std::move(secondary_id)};
      },
      {"epoch", "position", "velocity", "origin_id", "secondary_id"});
  def_readonly(cls, "epoch", [](const RelativeState& s) { return s.epoch; });
  def_readonly(cls, "position", [](const RelativeState& s) { return s.position; });
  def_readonly(cls, "velocity", [](const RelativeState& s) { return s.velocity; });
  def_readonly(cls, "origin_satellite_id",
               [](const RelativeState& s) { return s.origin_satellite_id; });
  def_readonly(cls, "secondary_satellite_id",
               [](const RelativeState& s) { return s.secondary_satellite_id; });
}

}  // namespace qv::py
