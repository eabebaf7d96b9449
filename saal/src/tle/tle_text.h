// Two-line element text <-> the 64-value element array and element text.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "saal/saal.h"

namespace saal::tle {

using ElementArray = std::array<double, XA_TLE_SIZE>;

struct Lines {
  std::string line1, line2;
};

// Reads two element lines. On failure returns false with `error` naming the
// line, the columns and the cause; the outputs are then all zero.
bool parse_lines(std::string_view line1, std::string_view line2, ElementArray& xa,
                 std::string& xs, std::string& error);

// Writes the two lines (68 columns each, no check digit). On failure
// returns false with `error` naming the field that does not fit.
bool format_lines(const ElementArray& xa, std::string_view xs, Lines& lines, std::string& error);

}  // namespace saal::tle
