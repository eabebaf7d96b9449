#include "lib/log.h"

#include <atomic>

namespace qv::log {
namespace {
std::atomic<Sink> g_sink{nullptr};
}

bool install_sink(Sink sink) {
  Sink expected = nullptr;
  return g_sink.compare_exchange_strong(expected, sink);
}

void write(std::string_view component, Level level, std::string_view message) {
  if (Sink sink = g_sink.load(); sink != nullptr) sink(component, level, message);
}

}  // namespace qv::log
