// Reading and changing the layer's key mode and last-error text.
#pragma once

#include <string>

#include "enums/saal_key_mode.h"
#include "lib/result.h"

namespace qv {

Result<SAALKeyMode> get_key_mode();
Status set_key_mode(SAALKeyMode mode);

}  // namespace qv
