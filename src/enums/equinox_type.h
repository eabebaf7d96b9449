#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class EquinoxType : std::uint8_t {
  MeanOfDate = 1,
  J2000 = 2,
};

template <>
struct EnumInfo<EquinoxType> {
  static constexpr const char* class_name = "EquinoxType";
  static constexpr std::array<EnumMember<EquinoxType>, 2> members{{
      {"MeanOfDate", EquinoxType::MeanOfDate, nullptr},
      {"J2000", EquinoxType::J2000, nullptr},
  }};
};

}  // namespace qv
