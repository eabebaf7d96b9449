// A satellite's non-gravitational force model and the element-set drag and
// radiation terms derived from it.
#pragma once

namespace qv {

// B* = drag term / this factor (element-set drag convention).
inline constexpr double kDragTermPerBStar = 12.741621;

struct ForceProperties {
  double srp_coefficient = 0.0;
  double srp_area = 0.0;
  double drag_coefficient = 0.0;
  double drag_area = 0.0;
  double mass = 0.0;
  double mean_motion_dot = 0.0;
  double mean_motion_dot_dot = 0.0;

  double drag_term() const { return drag_area / mass * drag_coefficient; }
  double srp_term() const { return srp_area / mass * srp_coefficient; }
  double b_star() const { return drag_area / mass * drag_coefficient / kDragTermPerBStar; }

  // The model of a satellite made without an element set.
  static ForceProperties satellite_default() {
    return {0.03, 1.0, 0.01, 1.0, 1.0, 0.0, 0.0};
  }
};

inline double b_star_to_drag_coefficient(double b_star) { return b_star * kDragTermPerBStar; }
inline double drag_coefficient_to_b_star(double drag_coefficient) {
  return drag_coefficient / kDragTermPerBStar;
}

}  // namespace qv
