#include <array>
#include <cstdint>
#include <optional>
#include <tuple>

#include "lib/python/binding.h"
#include "saal/ext_ephem_interface.h"
#include "saal/saal_bindings.h"

namespace qv::py {

namespace {
struct EphemInterface {};
}  // namespace

void bind_ext_ephem_interface(nb::module_& m) {
  namespace ee = qv::ext_ephem;
  // The layer's failures surface as the plain Exception class.
  PyObject* const failure = PyExc_Exception;
  auto cls = add_class<EphemInterface>(m, "EphemInterface");
  def_constant(cls, "COORD_ECI", ee::kCoordEci);
  def_constant(cls, "COORD_J2K", ee::kCoordJ2k);
  def_constant(cls, "COORD_EFG", ee::kCoordEfg);
  def_constant(cls, "COORD_ECR", ee::kCoordEcr);
  def_static(
      cls, "add_satellite",
      [failure](std::int32_t sat_num, double epoch_ds50_utc, double ae, double ke,
                std::int32_t coord_sys) {
        return unwrap(ee::add_satellite(sat_num, epoch_ds50_utc, ae, ke, coord_sys), failure);
      },
      {"sat_num", "epoch_ds50_utc", "ae", "ke", "coord_sys"});
  def_static(
      cls, "add_state",
      [failure](std::int64_t sat_key, double ds50_utc, std::array<double, 3> pos,
                std::array<double, 3> vel, std::optional<std::array<double, 21>> cov) {
        unwrap(ee::add_state(sat_key, ds50_utc, pos, vel, cov), failure);
      },
      {"sat_key", "ds50_utc", "pos", "vel", "cov"});
  def_static(
      cls, "remove_key", [](std::int64_t key) { ee::remove_key(key); }, {"key"});
  def_static(
      cls, "get_posvel_at_ds50",
      [failure](std::int64_t key, double ds50_utc) {
        auto [pos, vel] = unwrap(ee::get_posvel_at_ds50(key, ds50_utc), failure);
        return std::tuple{pos, vel};
      },
      {"key", "ds50_utc"});
  def_static(
      cls, "get_posvel_at_index",
      [failure](std::int64_t key, std::int32_t index) {
        const ee::IndexedState s = unwrap(ee::get_posvel_at_index(key, index), failure);
        return std::tuple{s.ds50_utc, s.position, s.velocity, s.covariance};
      },
      {"key", "index"});
  def_static(
      cls, "get_number_of_states",
      [failure](std::int64_t key) { return unwrap(ee::get_number_of_states(key), failure); },
      {"key"});
}

}  // namespace qv::py
