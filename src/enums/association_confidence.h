#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class AssociationConfidence : std::uint8_t {
  High = 0,
  Medium = 1,
  Low = 2,
};

template <>
struct EnumInfo<AssociationConfidence> {
  static constexpr const char* class_name = "AssociationConfidence";
  static constexpr std::array<EnumMember<AssociationConfidence>, 3> members{{
      {"High", AssociationConfidence::High, "High"},
      {"Medium", AssociationConfidence::Medium, "Medium"},
      {"Low", AssociationConfidence::Low, "Low"},
  }};
};

}  // namespace qv
