// Last-error text and key mode shared by every library of the layer.
#include <atomic>
#include <string>

#include "../common/last_error.h"
#include "../common/text.h"
#include "saal/saal.h"

namespace saal {
namespace {
std::atomic<int> g_key_mode{0};
}

void GetLastErrMsg(char* text_out) { detail::write_text(text_out, detail::last_error()); }

int SetAllKeyMode(int key_mode) {
  if (key_mode != 0 && key_mode != 1) {
    return detail::fail("SetAllKeyMode: invalid key mode " + std::to_string(key_mode) +
                        " (expected 0 or 1)");
  }
  g_key_mode.store(key_mode, std::memory_order_relaxed);
  return 0;
}

int GetAllKeyMode() { return g_key_mode.load(std::memory_order_relaxed); }

}  // namespace saal
