// Thread-safe table of loaded objects under 64-bit keys.
//
// Keys come from one process-wide counter shared by every table, so a key is
// never reused and a key of one table is unknown to all others. Rows are
// immutable once inserted and handed out as shared pointers, so a reader keeps
// its row alive even if another thread removes the key meanwhile. The map is
// split into shards with their own reader-writer lock: concurrent lookups
// never contend on one global lock.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "saal/saal.h"

namespace saal::detail {

Key next_key();

template <class Row>
class KeyedTable {
 public:
  using RowPtr = std::shared_ptr<const Row>;

  Key insert(Row row) {
    const Key key = next_key();
    insert_at(key, std::move(row));  // a fresh key is never present
    return key;
  }

  // Inserts under a key that another table already handed out (for tables
  // that extend the rows of another, keyed the same way). False if present.
  bool insert_at(Key key, Row row) {
    auto ptr = std::make_shared<const Row>(std::move(row));
    Shard& shard = shard_of(key);
    std::unique_lock lock(shard.mutex);
    const bool inserted = shard.rows.emplace(key, std::move(ptr)).second;
    if (inserted) count_.fetch_add(1, std::memory_order_relaxed);
    return inserted;
  }

  RowPtr find(Key key) const {
    const Shard& shard = shard_of(key);
    std::shared_lock lock(shard.mutex);
    auto it = shard.rows.find(key);
    return it == shard.rows.end() ? nullptr : it->second;
  }

  bool erase(Key key) {
    Shard& shard = shard_of(key);
    std::unique_lock lock(shard.mutex);
    const bool erased = shard.rows.erase(key) > 0;
    if (erased) count_.fetch_sub(1, std::memory_order_relaxed);
    return erased;
  }

  void clear() {
    for (Shard& shard : shards_) {
      std::unique_lock lock(shard.mutex);
      count_.fetch_sub(static_cast<std::ptrdiff_t>(shard.rows.size()), std::memory_order_relaxed);
      shard.rows.clear();
    }
  }

  std::size_t size() const {
    return static_cast<std::size_t>(count_.load(std::memory_order_relaxed));
  }

 private:
  static constexpr std::size_t kShards = 64;

  struct Shard {
    mutable std::shared_mutex mutex;
    std::unordered_map<Key, RowPtr> rows;
  };

  Shard& shard_of(Key key) { return shards_[static_cast<std::size_t>(key) % kShards]; }
  const Shard& shard_of(Key key) const {
    return shards_[static_cast<std::size_t>(key) % kShards];
  }

  std::array<Shard, kShards> shards_;
  std::atomic<std::ptrdiff_t> count_{0};
};

}  // namespace saal::detail
