// Per-thread last-error text of the astrodynamics layer.
#pragma once

#include <string>
#include <string_view>

namespace saal::detail {

// Replaces the calling thread's last-error text.
void set_last_error(std::string_view text);

// Sets the last-error text and returns the failure code that operations
// return, so a failing path reads `return fail("...")`.
int fail(std::string_view text);

const std::string& last_error();

}  // namespace saal::detail
