#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class GeodeticModel : std::uint8_t {
  WGS72 = 72,
  WGS84 = 84,
  EGM96 = 96,
};

template <>
struct EnumInfo<GeodeticModel> {
  static constexpr const char* class_name = "GeodeticModel";
  static constexpr std::array<EnumMember<GeodeticModel>, 3> members{{
      {"WGS72", GeodeticModel::WGS72, nullptr},
      {"WGS84", GeodeticModel::WGS84, nullptr},
      {"EGM96", GeodeticModel::EGM96, nullptr},
  }};
};

}  // namespace qv
