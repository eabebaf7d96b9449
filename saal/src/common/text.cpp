#include "text.h"

#include <cstring>

namespace saal::detail {

void write_text(char* out, std::string_view text) {
  if (out == nullptr) return;
  const std::size_t n = text.size() < kTextLength ? text.size() : kTextLength;
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

std::string read_text(const char* in) {
  if (in == nullptr) return {};
  return std::string(in, strnlen(in, kTextLength));
}

}  // namespace saal::detail
