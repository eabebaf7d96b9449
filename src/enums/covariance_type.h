#pragma once

#include <cstdint>

namespace qv {

enum class CovarianceType : std::uint8_t {
  Inertial = 0,
  Relative = 1,
  Equinoctial = 2,
};

}  // namespace qv
