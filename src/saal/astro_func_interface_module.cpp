// The astro_func_interface submodule: single layer operations for Python.
// Invalid input (non-finite numbers, zero vectors, non-elliptic orbits, unknown
// equinox codes) raises ValueError with the layer's text rather than handing
// back zeros; the two site conversions raise RuntimeError as they always have.
#include "lib/python/binding.h"
#include "lib/python/submodules.h"
#include "saal/astro_func_interface.h"
#include "saal/saal.h"

namespace qv::py {

using astro::Vec3;
using astro::Vec6;

void register_astro_func_interface_module(nb::module_& m) {
  def_function(
      m, "teme_to_topo",
      [](double theta, double lat, Vec3 sen_pos, Vec3 sat_pos, Vec3 sat_vel) {
        return unwrap(astro::teme_to_topo(theta, lat, sen_pos, sat_pos, sat_vel),
                      PyExc_RuntimeError);
      },
      {"theta", "lat", "sen_pos", "sat_pos", "sat_vel"});
  def_function(
      m, "ra_dec_to_az_el_time",
      [](double ds50_utc, double lat, double lon, double ra, double dec) {
        return unwrap(astro::ra_dec_to_az_el_time(ds50_utc, lat, lon, ra, dec), PyExc_ValueError);
      },
      {"ds50_utc", "lat", "long", "ra", "dec"});
  def_function(
      m, "ra_dec_to_az_el",
      [](double theta, double lat, double lon, double ra, double dec) {
        return unwrap(astro::ra_dec_to_az_el(theta, lat, lon, ra, dec), PyExc_ValueError);
      },
      {"theta", "lat", "long", "ra", "dec"});
  def_function(
      m, "theta_teme_to_lla",
      [](double theta, Vec3 teme_pos) {
        return unwrap(astro::theta_teme_to_lla(theta, teme_pos), PyExc_ValueError);
      },
      {"theta", "teme_pos"});
  def_function(
      m, "time_teme_to_lla",
      [](double ds50utc, Vec3 teme_pos) {
        return unwrap(astro::time_teme_to_lla(ds50utc, teme_pos), PyExc_ValueError);
      },
      {"ds50utc", "teme_pos"});
  def_function(
      m, "mean_motion_to_sma",
      [](double mean_motion) {
        return unwrap(astro::mean_motion_to_sma(mean_motion), PyExc_ValueError);
      },
      {"mean_motion"});
  def_function(
      m, "kozai_to_brouwer",
      [](double e, double i, double n) {
        return unwrap(astro::kozai_to_brouwer(e, i, n), PyExc_ValueError);
      },
      {"eccentricity", "inclination", "mean_motion"});
  def_function(
      m, "brouwer_to_kozai",
      [](double e, double i, double n) {
        return unwrap(astro::brouwer_to_kozai(e, i, n), PyExc_ValueError);
      },
      {"eccentricity", "inclination", "mean_motion"});
  def_function(
      m, "sma_to_mean_motion",
      [](double sma) { return unwrap(astro::sma_to_mean_motion(sma), PyExc_ValueError); },
      {"sma"});
  def_function(
      m, "topo_date_to_equinox",
      [](int yr_of_equinox, double ds50utc, double ra, double dec) {
        return unwrap(astro::topo_date_to_equinox(yr_of_equinox, ds50utc, ra, dec),
                      PyExc_ValueError);
      },
      {"yr_of_equinox", "ds50utc", "ra", "dec"});
  def_function(
      m, "topo_equinox_to_date",
      [](int yr_of_equinox, double ds50utc, double ra, double dec) {
        return unwrap(astro::topo_equinox_to_date(yr_of_equinox, ds50utc, ra, dec),
                      PyExc_ValueError);
      },
      {"yr_of_equinox", "ds50utc", "ra", "dec"});
  def_function(
      m, "get_jpl_sun_and_moon_position",
      [](double ds50utc) {
        return unwrap(astro::jpl_sun_and_moon_position(ds50utc), PyExc_ValueError);
      },
      {"ds50utc"});
  def_function(
      m, "horizon_to_teme",
      [](double theta, double lat, Vec3 sen_pos, Vec6 xa_rae) {
        return unwrap(astro::horizon_to_teme(theta, lat, sen_pos, xa_rae), PyExc_RuntimeError);
      },
      {"theta", "lat", "sen_pos", "xa_rae"});

  const std::pair<const char*, int> constants[] = {
      {"XA_TOPO_RA", saal::XA_TOPO_RA},
      {"XA_TOPO_DEC", saal::XA_TOPO_DEC},
      {"XA_TOPO_AZ", saal::XA_TOPO_AZ},
      {"XA_TOPO_EL", saal::XA_TOPO_EL},
      {"XA_TOPO_RANGE", saal::XA_TOPO_RANGE},
      {"XA_TOPO_RADOT", saal::XA_TOPO_RADOT},
      {"XA_TOPO_DECDOT", saal::XA_TOPO_DECDOT},
      {"XA_TOPO_AZDOT", saal::XA_TOPO_AZDOT},
      {"XA_TOPO_ELDOT", saal::XA_TOPO_ELDOT},
      {"XA_TOPO_RANGEDOT", saal::XA_TOPO_RANGEDOT},
      {"XA_TOPO_SIZE", saal::XA_TOPO_SIZE},
      {"YROFEQNX_2000", saal::YROFEQNX_2000},
      {"YROFEQNX_CURR", saal::YROFEQNX_CURR},
      {"XA_RAE_RANGE", saal::XA_RAE_RANGE},
      {"XA_RAE_AZ", saal::XA_RAE_AZ},
      {"XA_RAE_EL", saal::XA_RAE_EL},
      {"XA_RAE_RANGEDOT", saal::XA_RAE_RANGEDOT},
      {"XA_RAE_AZDOT", saal::XA_RAE_AZDOT},
      {"XA_RAE_ELDOT", saal::XA_RAE_ELDOT},
      {"XA_RAE_SIZE", saal::XA_RAE_SIZE},
  };
  for (const auto& [name, value] : constants) add_member(m, name, nb::int_(value));
}

}  // namespace qv::py
