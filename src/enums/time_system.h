#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class TimeSystem : std::uint8_t {
  UTC = 0,
  TAI = 1,
  UT1 = 2,
  TT = 3,
};

template <>
struct EnumInfo<TimeSystem> {
  static constexpr const char* class_name = "TimeSystem";
  static constexpr std::array<EnumMember<TimeSystem>, 4> members{{
      {"UTC", TimeSystem::UTC, "UTC"},
      {"TAI", TimeSystem::TAI, "TAI"},
      {"UT1", TimeSystem::UT1, "UT1"},
      {"TT", TimeSystem::TT, "TT"},
  }};
};

}  // namespace qv
