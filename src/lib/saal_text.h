// Text read back from the astrodynamics layer, kept as raw bytes until it
// reaches Python.
#pragma once

#include <string>

namespace qv {

struct SaalText {
  std::string text;
};

}  // namespace qv
