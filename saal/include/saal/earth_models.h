// Earth gravity and shape models used by the layer; one definition each.
#pragma once

namespace saal {

struct EarthModel {
  double mu_km3_s2;          // gravitational parameter
  double radius_km;          // equatorial radius
  double ke_er15_per_min;    // sqrt(mu) in Earth radii^1.5 per minute
  double j2, j3, j4;         // zonal harmonics
  double flattening;
};

// WGS-72, the model SGP4 element sets are fitted with.
inline constexpr EarthModel kWgs72{
    398600.8, 6378.135, 0.07436691613317342, 0.001082616, -0.00000253881, -0.00000165597,
    1.0 / 298.26};

// WGS-84, used for geodetic positions of sites and sub-satellite points.
inline constexpr EarthModel kWgs84{
    398600.4418, 6378.137, 0.07436684773952973, 0.00108262998905, -0.00000253215306,
    -0.00000161098761, 1.0 / 298.257223563};

// Earth rotation relative to the stars, rad/s (IERS conventional value).
inline constexpr double kEarthRotationRadPerSec = 7.292115146706979e-5;

inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kSecondsPerDay = 86400.0;

}  // namespace saal
