#pragma once

#include <cstdint>

namespace qv {

enum class ReferenceFrame : std::uint8_t {
  TEME = 0,
  EFG = 1,
  ECR = 2,
  J2000 = 3,
};

}  // namespace qv
