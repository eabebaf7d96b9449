#include "elements/ephemeris_binding.h"

#include <cstdint>
#include <optional>
#include <string>

#include "elements/ephemeris.h"
#include "lib/python/binding.h"

namespace qv::py {

void bind_ephemeris(nb::module_& m) {
  auto cls = add_constructible_class<Ephemeris>(m, "Ephemeris");
  def_init(
      cls,
      [](std::string satellite_id, std::optional<std::int32_t> norad_id, CartesianState state) {
        return Ephemeris{unwrap(EphemerisHandle::create(std::move(satellite_id), norad_id, state),
                                PyExc_ValueError)};
      },
      {"satellite_id", "norad_id", "state"});
  def_readonly(cls, "id", [](const Ephemeris& e) { return e.handle->id(); });
  def_readonly(cls, "satellite_id", [](const Ephemeris& e) { return e.handle->satellite_id(); });
  def_readonly(cls, "norad_id", [](const Ephemeris& e) { return e.handle->norad_id(); });
  def_readonly(cls, "number_of_states",
               [](const Ephemeris& e) { return e.handle->number_of_states(); });
  def_method(
      cls, "get_state_at_epoch",
      [](const Ephemeris& e, Epoch epoch) { return e.handle->get_state_at_epoch(epoch); },
      {"epoch"});
}

}  // namespace qv::py
