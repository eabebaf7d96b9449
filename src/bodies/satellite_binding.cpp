#include "bodies/satellite_binding.h"

#include <cstdint>
#include <optional>
#include <string>

#include "bodies/satellite.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_satellite(nb::module_& m) {
  using S = Satellite;
  auto cls = add_constructible_class<S>(m, "Satellite");
  def_init(cls, [] { return Satellite(); });
  def_static(
      cls, "from_tle", [](const TLE& tle) { return S::from_tle(tle.copy()); }, {"tle"});
  def_property(
      cls, "id", [](const S& s) { return s.id(); }, [](S& s, std::string id) { s.set_id(id); });
  def_property(
      cls, "name", [](const S& s) { return s.name(); },
      [](S& s, std::optional<std::string> name) { s.set_name(name); });
  def_property(
      cls, "norad_id", [](const S& s) { return s.norad_id(); },
      [](S& s, std::int32_t norad_id) { s.set_norad_id(norad_id); });
  def_property(
      cls, "keplerian_state", [](const S& s) { return s.keplerian_state(); },
      [](S& s, const KeplerianState& state) {
        unwrap(s.set_keplerian_state(state), PyExc_ValueError);
      });
  def_property(
      cls, "force_properties", [](const S& s) { return s.force_properties(); },
      [](S& s, const ForceProperties& fp) {
        unwrap(s.set_force_properties(fp), PyExc_ValueError);
      });
  def_readonly(cls, "periapsis", [](const S& s) { return s.periapsis(); });
  def_readonly(cls, "apoapsis", [](const S& s) { return s.apoapsis(); });
  def_readonly(cls, "geodetic_position", [](const S& s) { return s.geodetic_position(); });
  def_method(cls, "to_tle",
             [](const S& s) { return unwrap(s.to_tle(), PyExc_ValueError); });
  def_method(
      cls, "step_to_epoch",
      [](S& s, const Epoch& epoch) {
        unwrap(s.step_to_epoch(epoch.days_since_1950), PyExc_ValueError);
      },
      {"epoch"});
  def_method(
      cls, "get_state_at_epoch",
      [](const S& s, const Epoch& epoch) { return s.get_state_at_epoch(epoch); }, {"epoch"});
  def_method(
      cls, "get_ephemeris",
      [](S& s, const Epoch& start, const Epoch& end, const TimeSpan& step) {
        std::optional<Ephemeris> out;
        if (auto handle = unwrap(s.get_ephemeris(start, end, step), PyExc_RuntimeError)) {
          out = Ephemeris{*handle};
        }
        return out;
      },
      {"start_epoch", "end_epoch", "step"});
  def_method(
      cls, "get_plot_data",
      [](const S& s, const Epoch& start, const Epoch& end, const TimeSpan& step) {
        return s.get_plot_data(start, end, step);
      },
      {"start", "end", "step"});
  def_method(
      cls, "get_body_angles_at_epoch",
      [](const S& s, const S& other, const Epoch& epoch) {
        return s.get_body_angles_at_epoch(other, epoch);
      },
      {"other", "epoch"});
  def_method(
      cls, "get_relative_state_at_epoch",
      [](const S& s, const S& origin, const Epoch& epoch) {
        return s.get_relative_state_at_epoch(origin, epoch);
      },
      {"origin", "epoch"});
}

}  // namespace qv::py
