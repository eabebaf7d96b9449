// Semi-major axis <-> mean motion (two-body, WGS-72 ke) and the Kozai <->
// Brouwer mean-motion conventions of SGP4 element sets (first-order J2 theory:
// the Kozai mean motion of a TLE includes the secular J2 part of the period
// that Brouwer's mean motion excludes). Round trips agree to ~1e-15 relative.
#include <cmath>
#include <string>

#include "../common/last_error.h"
#include "saal/earth_models.h"
#include "saal/saal.h"
#include "vec3.h"

namespace saal {
namespace {

using detail::kTwoPi;

constexpr double kMinPerDay = kMinutesPerDay;

double rev_per_day_to_rad_per_min(double n) { return n * kTwoPi / kMinPerDay; }

// (3 cos^2 i - 1) * k2 * 3/2 / (1 - e^2)^1.5, the factor of Brouwer's delta.
double j2_period_factor(double e, double incl_deg) {
  const double k2 = 0.5 * kWgs72.j2;
  const double c = std::cos(incl_deg * detail::kDegToRad);
  const double beta2 = 1.0 - e * e;
  return 1.5 * k2 * (3.0 * c * c - 1.0) / (beta2 * std::sqrt(beta2));
}

bool valid_mean_elements(const char* op, double e, double incl_deg, double n) {
  if (!std::isfinite(e) || !std::isfinite(incl_deg) || !std::isfinite(n)) {
    detail::set_last_error(std::string(op) + ": input is not a finite number");
    return false;
  }
  if (e < 0.0 || e >= 1.0) {
    detail::set_last_error(std::string(op) + ": eccentricity must be in [0, 1), got " +
                           std::to_string(e));
    return false;
  }
  if (n <= 0.0) {
    detail::set_last_error(std::string(op) + ": mean motion must be positive, got " +
                           std::to_string(n));
    return false;
  }
  return true;
}

}  // namespace

double AToN(double semi_major_axis_km) {
  if (!std::isfinite(semi_major_axis_km) || semi_major_axis_km <= 0.0) {
    detail::set_last_error("AToN: semi-major axis must be a positive finite number of km, got " +
                           std::to_string(semi_major_axis_km));
    return 0.0;
  }
  const double a_er = semi_major_axis_km / kWgs72.radius_km;
  const double n_rad_min = kWgs72.ke_er15_per_min / (a_er * std::sqrt(a_er));
  return n_rad_min * kMinPerDay / kTwoPi;
}

double NToA(double mean_motion_rev_per_day) {
  if (!std::isfinite(mean_motion_rev_per_day) || mean_motion_rev_per_day <= 0.0) {
    detail::set_last_error("NToA: mean motion must be a positive finite number of rev/day, got " +
                           std::to_string(mean_motion_rev_per_day));
    return 0.0;
  }
  const double n = rev_per_day_to_rad_per_min(mean_motion_rev_per_day);
  return kWgs72.radius_km * std::cbrt(std::pow(kWgs72.ke_er15_per_min / n, 2.0));
}

double KozaiToBrouwer(double eccentricity, double inclination_deg, double kozai_mean_motion) {
  if (!valid_mean_elements("KozaiToBrouwer", eccentricity, inclination_deg, kozai_mean_motion)) {
    return 0.0;
  }
  const double f = j2_period_factor(eccentricity, inclination_deg);
  const double n = rev_per_day_to_rad_per_min(kozai_mean_motion);
  const double a1 = std::cbrt(std::pow(kWgs72.ke_er15_per_min / n, 2.0));
  const double d1 = f / (a1 * a1);
  const double a0 = a1 * (1.0 - d1 / 3.0 - d1 * d1 - 134.0 / 81.0 * d1 * d1 * d1);
  const double d0 = f / (a0 * a0);
  return kozai_mean_motion / (1.0 + d0);
}

double BrouwerToKozai(double eccentricity, double inclination_deg, double brouwer_mean_motion) {
  if (!valid_mean_elements("BrouwerToKozai", eccentricity, inclination_deg, brouwer_mean_motion)) {
    return 0.0;
  }
  // Fixed-point inversion of KozaiToBrouwer; the correction is O(J2), so each
  // pass gains about three digits.
  double kozai = brouwer_mean_motion;
  for (int pass = 0; pass < 30; ++pass) {
    const double back = KozaiToBrouwer(eccentricity, inclination_deg, kozai);
    const double step = brouwer_mean_motion - back;
    kozai += step * (kozai / back);
    if (std::fabs(step) <= 1e-16 * brouwer_mean_motion) break;
  }
  // Far inside the Earth the first-order correction is no longer monotonic
  // and the iteration can settle on a value that does not map back.
  const double back = KozaiToBrouwer(eccentricity, inclination_deg, kozai);
  if (!(std::fabs(back - brouwer_mean_motion) <= 1e-12 * brouwer_mean_motion)) {
    detail::set_last_error("BrouwerToKozai: no Kozai mean motion gives Brouwer mean motion " +
                           std::to_string(brouwer_mean_motion) +
                           " (orbit too eccentric or too low for the J2 correction)");
    return 0.0;
  }
  return kozai;
}

}  // namespace saal
