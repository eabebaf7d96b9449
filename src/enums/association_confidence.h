#pragma once

#include <cstdint>

namespace qv {

enum class AssociationConfidence : std::uint8_t {
  High = 0,
  Medium = 1,
  Low = 2,
};

}  // namespace qv
