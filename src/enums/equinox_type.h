#pragma once

#include <cstdint>

namespace qv {

enum class EquinoxType : std::uint8_t {
  MeanOfDate = 1,
  J2000 = 2,
};

}  // namespace qv
