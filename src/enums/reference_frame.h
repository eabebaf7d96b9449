#pragma once

#include <array>
#include <cstdint>

#include "enums/enum_info.h"

namespace qv {

enum class ReferenceFrame : std::uint8_t {
  TEME = 0,
  EFG = 1,
  ECR = 2,
  J2000 = 3,
};

template <>
struct EnumInfo<ReferenceFrame> {
  static constexpr const char* class_name = "ReferenceFrame";
  static constexpr std::array<EnumMember<ReferenceFrame>, 4> members{{
      {"TEME", ReferenceFrame::TEME, "TEME"},
      {"EFG", ReferenceFrame::EFG, "EFG"},
      {"ECR", ReferenceFrame::ECR, "ECR"},
      {"J2000", ReferenceFrame::J2000, "J2000"},
  }};
};

}  // namespace qv
