// The element-set table of the layer, through plain values: two lines to the
// element array and text and back, check digits, loading and removing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "lib/result.h"
#include "lib/saal_text.h"

namespace qv::tle_interface {

using ElementArray = std::array<double, 64>;

struct Arrays {
  ElementArray xa_tle;
  SaalText xs_tle;  // untrimmed, as the layer wrote it
};

// Each failure carries the layer's last-error text.
Result<Arrays> lines_to_arrays(const std::string& line_1, const std::string& line_2);
// Both lines whitespace-trimmed; an empty line is a failure.
Result<std::pair<std::string, std::string>> arrays_to_lines(const ElementArray& xa_tle,
                                                            const std::string& xs_tle);
Result<std::pair<int, int>> get_check_sums(const std::string& line_1, const std::string& line_2);
// A key greater than 0.
Result<std::int64_t> load_from_arrays(const ElementArray& xa_tle, const std::string& xs_tle);
// Removing a key that is not loaded is not an error.
void remove_key(std::int64_t sat_key);
Status remove_all();
int count_loaded();

}  // namespace qv::tle_interface
