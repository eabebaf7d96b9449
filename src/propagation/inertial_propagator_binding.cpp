#include "lib/python/binding.h"
#include "propagation/inertial_propagator.h"
#include "propagation/propagation_bindings.h"

namespace qv::py {

void bind_inertial_propagator(nb::module_& m) {
  using P = InertialPropagator;
  auto cls = add_class<P>(m, "InertialPropagator");
  def_static(
      cls, "from_tle", [](const TLE& tle) { return P::from_tle(tle.copy()); }, {"tle"});
  def_method(
      cls, "get_cartesian_state_at_epoch",
      [](const P& p, const Epoch& epoch) { return p.get_cartesian_state_at_epoch(epoch); },
      {"epoch"});
  def_method(
      cls, "get_keplerian_state_at_epoch",
      [](const P& p, const Epoch& epoch) { return p.get_keplerian_state_at_epoch(epoch); },
      {"epoch"});
  def_readonly(cls, "keplerian_state", [](const P& p) { return p.tle().keplerian_state(); });
  def_readonly(cls, "force_properties", [](const P& p) { return p.tle().force_properties(); });
}

}  // namespace qv::py
