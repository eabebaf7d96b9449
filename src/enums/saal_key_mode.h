#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class SAALKeyMode : std::uint8_t {
  NoDuplicates = 0,
  DirectMemoryAccess = 1,
};

template <>
struct EnumInfo<SAALKeyMode> {
  static constexpr const char* class_name = "SAALKeyMode";
  static constexpr std::array<EnumMember<SAALKeyMode>, 2> members{{
      {"NoDuplicates", SAALKeyMode::NoDuplicates, nullptr},
      {"DirectMemoryAccess", SAALKeyMode::DirectMemoryAccess, nullptr},
  }};
};

}  // namespace qv
