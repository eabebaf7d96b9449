#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class CovarianceType : std::uint8_t {
  Inertial = 0,
  Relative = 1,
  Equinoctial = 2,
};

template <>
struct EnumInfo<CovarianceType> {
  static constexpr const char* class_name = "CovarianceType";
  static constexpr std::array<EnumMember<CovarianceType>, 3> members{{
      {"Inertial", CovarianceType::Inertial, "Inertial"},
      {"Relative", CovarianceType::Relative, "Relative"},
      {"Equinoctial", CovarianceType::Equinoctial, "Equinoctial"},
  }};
};

}  // namespace qv
