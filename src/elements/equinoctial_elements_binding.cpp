#include "elements/equinoctial_elements_binding.h"

#include "elements/equinoctial_elements.h"
#include "elements/keplerian_elements.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_equinoctial_elements(nb::module_& m) {
  using E = EquinoctialElements;
  auto cls = add_constructible_class<E>(m, "EquinoctialElements");
  def_init(
      cls,
      [](double a_f, double a_g, double chi, double psi, double mean_longitude,
         double mean_motion) { return E{a_f, a_g, chi, psi, mean_longitude, mean_motion}; },
      {"a_f", "a_g", "chi", "psi", "mean_longitude", "mean_motion"});
  def_readonly(cls, "mean_motion", [](const E& e) { return e.mean_motion; });
  def_method(cls, "to_keplerian",
             [](const E& e) { return unwrap(e.to_keplerian(), PyExc_ValueError); });
}

}  // namespace qv::py
