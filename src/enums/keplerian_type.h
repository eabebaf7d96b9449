#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class KeplerianType : std::uint8_t {
  MeanKozaiGP = 0,
  MeanBrouwerGP = 2,
  MeanBrouwerXP = 4,
  Osculating = 6,
};

template <>
struct EnumInfo<KeplerianType> {
  static constexpr const char* class_name = "KeplerianType";
  static constexpr std::array<EnumMember<KeplerianType>, 4> members{{
      {"MeanKozaiGP", KeplerianType::MeanKozaiGP, nullptr},
      {"MeanBrouwerGP", KeplerianType::MeanBrouwerGP, nullptr},
      {"MeanBrouwerXP", KeplerianType::MeanBrouwerXP, nullptr},
      {"Osculating", KeplerianType::Osculating, nullptr},
  }};
};

}  // namespace qv
