#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class Classification : std::uint8_t {
  Unclassified = 1,
  Confidential = 2,
  Secret = 3,
};

template <>
struct EnumInfo<Classification> {
  static constexpr const char* class_name = "Classification";
  static constexpr std::array<EnumMember<Classification>, 3> members{{
      {"Unclassified", Classification::Unclassified, "U"},
      {"Confidential", Classification::Confidential, "C"},
      {"Secret", Classification::Secret, "S"},
  }};
};

}  // namespace qv
