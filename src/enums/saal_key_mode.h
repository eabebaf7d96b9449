#pragma once

#include <cstdint>

namespace qv {

enum class SAALKeyMode : std::uint8_t {
  NoDuplicates = 0,
  DirectMemoryAccess = 1,
};

}  // namespace qv
