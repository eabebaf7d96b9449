#include "lib/saal_error.h"

#include <array>

#include "saal/saal.h"

namespace qv {

std::string saal_last_error() {
  std::array<char, saal::kTextBufferSize> buffer{};
  saal::GetLastErrMsg(buffer.data());
  return std::string(buffer.data());
}

}  // namespace qv
