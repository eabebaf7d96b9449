#include "elements/bore_to_body_angles_binding.h"

#include "elements/bore_to_body_angles.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_bore_to_body_angles(nb::module_& m) {
  auto cls = add_constructible_class<BoreToBodyAngles>(m, "BoreToBodyAngles");
  def_init(
      cls,
      [](double earth_angle, double sun_angle, double moon_angle) {
        return BoreToBodyAngles{earth_angle, sun_angle, moon_angle};
      },
      {"earth_angle", "sun_angle", "moon_angle"});
  def_readonly(cls, "earth_angle", [](const BoreToBodyAngles& a) { return a.earth_angle; });
  def_readonly(cls, "sun_angle", [](const BoreToBodyAngles& a) { return a.sun_angle; });
  def_readonly(cls, "moon_angle", [](const BoreToBodyAngles& a) { return a.moon_angle; });
}

}  // namespace qv::py
