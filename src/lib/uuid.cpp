#include "lib/uuid.h"

#include <cstdint>
#include <random>

namespace qv {

std::string new_uuid_v4() {
  // One generator per thread, seeded from the system's entropy source, so
  // workers draw identifiers without sharing state.
  thread_local std::mt19937_64 generator{[] {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(), device(), device()};
    return std::mt19937_64(seed);
  }()};
  std::uint64_t high = generator();
  std::uint64_t low = generator();
  high = (high & ~0xF000ULL) | 0x4000ULL;                       // version 4
  low = (low & 0x3FFFFFFFFFFFFFFFULL) | 0x8000000000000000ULL;  // RFC 4122 variant
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(36);
  for (int i = 0; i < 32; ++i) {
    const std::uint64_t word = i < 16 ? high : low;
    const int shift = 60 - 4 * (i % 16);
    if (i == 8 || i == 12 || i == 16 || i == 20) text.push_back('-');
    text.push_back(kHex[(word >> shift) & 0xF]);
  }
  return text;
}

}  // namespace qv
