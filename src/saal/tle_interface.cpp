#include "saal/tle_interface.h"

#include <algorithm>
#include <cstring>

#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv::tle_interface {
namespace {

// A zero-filled layer text buffer holding `text` cut at the layer's length.
struct TextBuffer {
  char data[saal::kTextBufferSize] = {};
  TextBuffer() = default;
  explicit TextBuffer(const std::string& text) {
    std::memcpy(data, text.data(), std::min<std::size_t>(text.size(), saal::kTextLength));
  }
};

std::string trimmed(const char* text) {
  std::string s(text);
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

}  // namespace

Result<Arrays> lines_to_arrays(const std::string& line_1, const std::string& line_2) {
  TextBuffer l1(line_1), l2(line_2), xs;
  Arrays out{};
  if (saal::TleLinesToArray(l1.data, l2.data, out.xa_tle.data(), xs.data) != 0) {
    return saal_failure();
  }
  out.xs_tle.text = xs.data;
  return out;
}

Result<std::pair<std::string, std::string>> arrays_to_lines(const ElementArray& xa_tle,
                                                            const std::string& xs_tle) {
  TextBuffer xs(xs_tle), l1, l2;
  saal::TleGPArrayToLines(xa_tle.data(), xs.data, l1.data, l2.data);
  if (l1.data[0] == '\0' || l2.data[0] == '\0') return saal_failure();
  return std::pair{trimmed(l1.data), trimmed(l2.data)};
}

Result<std::pair<int, int>> get_check_sums(const std::string& line_1, const std::string& line_2) {
  TextBuffer l1(line_1), l2(line_2);
  int sum1 = 0, sum2 = 0, error = 0;
  saal::GetCheckSums(l1.data, l2.data, &sum1, &sum2, &error);
  if (error != 0) return saal_failure();
  return std::pair{sum1, sum2};
}

Result<std::int64_t> load_from_arrays(const ElementArray& xa_tle, const std::string& xs_tle) {
  TextBuffer xs(xs_tle);
  const saal::Key key = saal::TleAddSatFrArray(xa_tle.data(), xs.data);
  if (key <= 0) return saal_failure();
  return key;
}

void remove_key(std::int64_t sat_key) { saal::TleRemoveSat(sat_key); }

Status remove_all() {
  if (saal::TleRemoveAllSats() != 0) return saal_failure();
  return ok_status();
}

int count_loaded() { return saal::TleGetCount(); }

}  // namespace qv::tle_interface
