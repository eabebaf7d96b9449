#pragma once

#include <cstdint>

namespace qv {

enum class GeodeticModel : std::uint8_t {
  WGS72 = 72,
  WGS84 = 84,
  EGM96 = 96,
};

}  // namespace qv
