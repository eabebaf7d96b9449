#pragma once

#include <cstdint>

namespace qv {

enum class TimeSystem : std::uint8_t {
  UTC = 0,
  TAI = 1,
  UT1 = 2,
  TT = 3,
};

}  // namespace qv
