#pragma once

#include <cstdint>

namespace qv {

enum class Classification : std::uint8_t {
  Unclassified = 1,
  Confidential = 2,
  Secret = 3,
};

}  // namespace qv
