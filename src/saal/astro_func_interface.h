// Single astrodynamics operations of the layer with their failure checks, as
// the astro_func_interface functions and other classes use them.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "lib/result.h"

namespace qv::astro {

using Vec3 = std::array<double, 3>;
using Vec6 = std::array<double, 6>;
using TopoArray = std::array<double, 10>;

// ECIToTopoComps; an all-zero array is the layer's failure signal.
Result<TopoArray> teme_to_topo(double theta, double lat, const Vec3& sen_pos, const Vec3& sat_pos,
                               const Vec3& sat_vel);
// RAEToECI; position followed by velocity. All zero is failure.
Result<Vec6> horizon_to_teme(double theta, double lat, const Vec3& sen_pos, const Vec6& xa_rae);

// Azimuth and elevation, degrees.
Result<std::array<double, 2>> ra_dec_to_az_el_time(double ds50_utc, double lat, double lon,
                                                   double ra, double dec);
Result<std::array<double, 2>> ra_dec_to_az_el(double theta, double lat, double lon, double ra,
                                              double dec);

// Latitude, longitude, height (WGS-84) of a TEME position.
Result<Vec3> theta_teme_to_lla(double theta, const Vec3& teme_pos);
Result<Vec3> time_teme_to_lla(double ds50_utc, const Vec3& teme_pos);
// Latitude, longitude, height of an Earth-fixed position; the zero vector is
// refused before the layer is asked.
Result<Vec3> efg_to_geodetic(const Vec3& efg_pos);

Result<double> mean_motion_to_sma(double mean_motion);
Result<double> sma_to_mean_motion(double sma);
Result<double> kozai_to_brouwer(double eccentricity, double inclination, double mean_motion);
Result<double> brouwer_to_kozai(double eccentricity, double inclination, double mean_motion);

// Right ascension and declination between TEME of date and the frame of the
// year-of-equinox code (1 mean of date, 2 J2000).
Result<std::pair<double, double>> topo_date_to_equinox(int yr_of_equinox, double ds50_utc,
                                                       double ra, double dec);
Result<std::pair<double, double>> topo_equinox_to_date(int yr_of_equinox, double ds50_utc,
                                                       double ra, double dec);

// Geocentric Sun and Moon, TEME km.
Result<std::pair<Vec3, Vec3>> jpl_sun_and_moon_position(double ds50_utc);

// Opens a JPL SPK file for 1960-2050; a missing or unreadable file fails
// with a text naming the path, leaving the ephemeris in force unchanged.
Status set_jpl_ephemeris_file_path(const std::string& jpl_path);

}  // namespace qv::astro
