#include "saal/main_interface.h"

#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {

Result<SAALKeyMode> get_key_mode() {
  const auto mode = enum_from_code<SAALKeyMode>(saal::GetAllKeyMode());
  if (!mode) return fail("Unknown key mode");
  return *mode;
}

Status set_key_mode(SAALKeyMode mode) {
  if (saal::SetAllKeyMode(static_cast<int>(mode)) != 0) return saal_failure();
  return ok_status();
}

}  // namespace qv
