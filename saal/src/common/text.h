// Bounded text exchange with callers' fixed-size buffers.
#pragma once

#include <string>
#include <string_view>

#include "saal/saal.h"

namespace saal::detail {

// Writes at most kTextLength bytes of `text` into `out` and terminates it.
void write_text(char* out, std::string_view text);

// Reads a caller's zero-terminated input, never past kTextLength bytes.
std::string read_text(const char* in);

}  // namespace saal::detail
