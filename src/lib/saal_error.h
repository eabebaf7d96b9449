// Reading the layer's last-error text right after a failed call.
#pragma once

#include <string>

#include "lib/result.h"

namespace qv {

// The calling thread's last-error text of the astrodynamics layer, read
// through a zero-filled text buffer and decoded leniently (invalid UTF-8 is
// left to the binding boundary, which replaces it).
std::string saal_last_error();

// An error carrying the last-error text, for `return saal_failure();`.
inline Error saal_failure() { return Error{saal_last_error()}; }

}  // namespace qv
