#include "elements/tle_binding.h"

#include <optional>
#include <string>
#include <utility>

#include "elements/tle.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_tle(nb::module_& m) {
  auto cls = add_class<TLE>(m, "TLE");
  def_static(
      cls, "from_lines",
      [](const std::string& line_1, const std::string& line_2,
         const std::optional<std::string>& line_3) {
        return unwrap(TLE::from_lines(line_1, line_2, line_3), PyExc_ValueError);
      },
      {"line_1", "line_2", opt("line_3")});
  def_readonly(cls, "id", [](const TLE& t) { return t.id(); });
  def_readonly(cls, "norad_id", [](const TLE& t) { return t.norad_id(); });
  def_readonly(cls, "designator", [](const TLE& t) { return t.designator(); });
  def_readonly(cls, "name", [](const TLE& t) { return t.name(); });
  def_readonly(cls, "classification", [](const TLE& t) { return t.classification(); });
  def_readonly(cls, "epoch", [](const TLE& t) { return t.epoch(); });
  def_readonly(cls, "type", [](const TLE& t) { return t.type(); });
  const auto& el = [](const TLE& t) -> const KeplerianElements& {
    return t.keplerian_state().elements;
  };
  def_readonly(cls, "semi_major_axis", [el](const TLE& t) { return el(t).semi_major_axis; });
  def_readonly(cls, "eccentricity", [el](const TLE& t) { return el(t).eccentricity; });
  def_readonly(cls, "inclination", [el](const TLE& t) { return el(t).inclination; });
  def_readonly(cls, "raan", [el](const TLE& t) { return el(t).raan; });
  def_readonly(cls, "argument_of_perigee",
               [el](const TLE& t) { return el(t).argument_of_perigee; });
  def_readonly(cls, "mean_anomaly", [el](const TLE& t) { return el(t).mean_anomaly; });
  def_readonly(cls, "mean_motion",
               [](const TLE& t) { return unwrap(t.mean_motion(), PyExc_ValueError); });
  def_readonly(cls, "mean_motion_dot",
               [](const TLE& t) { return t.force_properties().mean_motion_dot; });
  def_readonly(cls, "mean_motion_dot_dot",
               [](const TLE& t) { return t.force_properties().mean_motion_dot_dot; });
  def_readonly(cls, "b_star", [](const TLE& t) { return t.force_properties().b_star(); });
  def_readonly(cls, "b_term", [](const TLE& t) { return t.force_properties().drag_term(); });
  def_readonly(cls, "agom", [](const TLE& t) { return t.force_properties().srp_term(); });
  def_readonly(cls, "lines", [](const TLE& t) { return t.lines(); });
  def_readonly(cls, "cartesian_state",
               [](const TLE& t) { return unwrap(t.cartesian_state(), PyExc_ValueError); });
}

}  // namespace qv::py
