#pragma once

#include <cstdint>

namespace qv {

enum class KeplerianType : std::uint8_t {
  MeanKozaiGP = 0,
  MeanBrouwerGP = 2,
  MeanBrouwerXP = 4,
  Osculating = 6,
};

}  // namespace qv
