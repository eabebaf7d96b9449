// Keplerian element conversions through the layer.
#include <cmath>

#include "elements/equinoctial_elements.h"
#include "elements/keplerian_elements.h"
#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {

std::array<double, 6> KeplerianElements::to_saal_array() const {
  return {semi_major_axis, eccentricity, inclination, mean_anomaly, raan, argument_of_perigee};
}

KeplerianElements KeplerianElements::from_saal_array(const double* kep) {
  return {kep[0], kep[1], kep[2], kep[4], kep[5], kep[3]};
}

Result<double> KeplerianElements::mean_motion(KeplerianType element_type) const {
  const double n = saal::AToN(semi_major_axis);
  if (n == 0.0) return saal_failure();
  if (element_type != KeplerianType::MeanKozaiGP) return n;
  const double kozai = saal::BrouwerToKozai(eccentricity, inclination, n);
  if (kozai == 0.0) return saal_failure();
  return kozai;
}

Result<KeplerianElements> KeplerianElements::to_mean() const {
  const auto osc = to_saal_array();
  double mean[6];
  if (saal::KepOscToMean(osc.data(), mean) != 0) return saal_failure();
  return from_saal_array(mean);
}

Result<EquinoctialElements> KeplerianElements::to_equinoctial() const {
  const auto kep = to_saal_array();
  double e[6];
  if (saal::KepToEqnx(kep.data(), e) != 0) return saal_failure();
  return EquinoctialElements{e[0], e[1], e[2], e[3], e[4], e[5]};
}

}  // namespace qv
