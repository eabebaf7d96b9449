// The process-wide worker pool: created once (explicitly with a size, or with
// the default size on first use), never resized.
#pragma once

#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/task_arena.h>

#include <cstddef>
#include <limits>

#include "lib/result.h"

namespace qv::pool {

// The pool facility counts its workers in an int.
inline constexpr std::size_t kMaxWorkers = std::numeric_limits<int>::max();

// Creates the pool with `count` workers (0: one per logical processor) and
// waits until every worker runs. Fails if a pool already exists or `count`
// exceeds kMaxWorkers.
Status create(std::size_t count);

// Workers of the pool (created with the default size if needed).
std::size_t thread_count();

// The process-wide pool, created with the default size if needed.
tbb::task_arena& arena();

// Runs body(i) for i in [0, n) on the pool and waits for all of them.
template <class Body>
void parallel_for(std::size_t n, const Body& body) {
  arena().execute([&] {
    tbb::parallel_for(std::size_t{0}, n, [&](std::size_t i) { body(i); });
  });
}

}  // namespace qv::pool
