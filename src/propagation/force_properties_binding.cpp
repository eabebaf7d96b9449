#include "propagation/force_properties_binding.h"

#include "lib/python/binding.h"
#include "propagation/force_properties.h"

namespace qv::py {

void bind_force_properties(nb::module_& m) {
  using F = ForceProperties;
  auto cls = add_constructible_class<F>(m, "ForceProperties");
  def_init(
      cls,
      [](double srp_coefficient, double srp_area, double drag_coefficient, double drag_area,
         double mass, double mean_motion_dot, double mean_motion_dot_dot) {
        return F{srp_coefficient, srp_area,        drag_coefficient,   drag_area,
                 mass,            mean_motion_dot, mean_motion_dot_dot};
      },
      {"srp_coefficient", "srp_area", "drag_coefficient", "drag_area", "mass", "mean_motion_dot",
       "mean_motion_dot_dot"});
  def_property(
      cls, "srp_coefficient", [](const F& f) { return f.srp_coefficient; },
      [](F& f, double v) { f.srp_coefficient = v; });
  // Write-only: the area is visible through srp_term.
  nb::object srp_area_setter = nb::cpp_function([](F& f, nb::handle value) {
    f.srp_area = convert_arg<double>(value, "srp_area");
  });
  cls.attr("srp_area") = make_property(nb::none(), srp_area_setter);
  def_property(
      cls, "drag_coefficient", [](const F& f) { return f.drag_coefficient; },
      [](F& f, double v) { f.drag_coefficient = v; });
  def_property(
      cls, "drag_area", [](const F& f) { return f.drag_area; },
      [](F& f, double v) { f.drag_area = v; });
  def_property(
      cls, "mass", [](const F& f) { return f.mass; }, [](F& f, double v) { f.mass = v; });
  def_property(
      cls, "mean_motion_dot", [](const F& f) { return f.mean_motion_dot; },
      [](F& f, double v) { f.mean_motion_dot = v; });
  def_property(
      cls, "mean_motion_dot_dot", [](const F& f) { return f.mean_motion_dot_dot; },
      [](F& f, double v) { f.mean_motion_dot_dot = v; });
  def_readonly(cls, "drag_term", [](const F& f) { return f.drag_term(); });
  def_readonly(cls, "srp_term", [](const F& f) { return f.srp_term(); });
  def_readonly(cls, "b_star", [](const F& f) { return f.b_star(); });
}

void bind_b_star_functions(nb::module_& m) {
  def_function(m, "b_star_to_drag_coefficient", &b_star_to_drag_coefficient, {"b_star"});
  def_function(m, "drag_coefficient_to_b_star", &drag_coefficient_to_b_star,
               {"drag_coefficient"});
}

}  // namespace qv::py
