// Classical elements: km and degrees. Field order differs from the layer's
// six-value array (a, e, i, M, node, argument of perigee).
#pragma once

#include <array>

#include "enums/keplerian_type.h"
#include "lib/result.h"

namespace qv {

struct EquinoctialElements;

struct KeplerianElements {
  double semi_major_axis = 0.0;
  double eccentricity = 0.0;
  double inclination = 0.0;
  double raan = 0.0;
  double argument_of_perigee = 0.0;
  double mean_anomaly = 0.0;

  // The layer's order: a, e, i, M, node, argument of perigee.
  std::array<double, 6> to_saal_array() const;
  static KeplerianElements from_saal_array(const double* kep);

  double apoapsis() const { return semi_major_axis * (eccentricity + 1.0); }
  double periapsis() const { return semi_major_axis * (1.0 - eccentricity); }

  // Revolutions per day: two-body from the axis; a Kozai element set also
  // carries the J2 correction of the Kozai convention.
  Result<double> mean_motion(KeplerianType element_type) const;
  // Taken as osculating; Brouwer mean elements by the short-period theory.
  Result<KeplerianElements> to_mean() const;
  Result<EquinoctialElements> to_equinoctial() const;
};

}  // namespace qv
