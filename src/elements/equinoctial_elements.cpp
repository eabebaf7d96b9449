// Equinoctial to Keplerian elements through the layer.
#include "elements/equinoctial_elements.h"
#include "elements/keplerian_elements.h"
#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {

Result<KeplerianElements> EquinoctialElements::to_keplerian() const {
  const auto eqnx = to_array();
  double kep[6];
  if (saal::EqnxToKep(eqnx.data(), kep) != 0) return saal_failure();
  return KeplerianElements::from_saal_array(kep);
}

}  // namespace qv
