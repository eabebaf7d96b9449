#include "keyed_table.h"

namespace saal::detail {

Key next_key() {
  // Starts well above small integers so that a count or an index passed by
  // mistake is never a valid key.
  static std::atomic<Key> counter{1'000'000'001};
  return counter.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace saal::detail
