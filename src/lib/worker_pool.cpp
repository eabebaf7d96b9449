#include "lib/worker_pool.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace qv::pool {
namespace {

struct Pool {
  std::unique_ptr<tbb::global_control> limit;
  std::unique_ptr<tbb::task_arena> arena;
};

std::mutex g_mutex;
Pool* g_pool = nullptr;  // lives until process exit

// Occupies every slot of the arena at once so each worker thread has started
// before the pool is handed out; gives up waiting after a few seconds.
void start_all_workers(tbb::task_arena& arena, std::size_t count) {
  std::atomic<std::size_t> arrived{0};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  arena.execute([&] {
    tbb::parallel_for(
        std::size_t{0}, count,
        [&](std::size_t) {
          arrived.fetch_add(1);
          while (arrived.load() < count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
          }
        },
        tbb::simple_partitioner());
  });
}

Pool* make_pool(std::size_t count) {
  if (count == 0) count = static_cast<std::size_t>(tbb::info::default_concurrency());
  auto* pool = new Pool;
  pool->limit = std::make_unique<tbb::global_control>(
      tbb::global_control::max_allowed_parallelism, count);
  pool->arena = std::make_unique<tbb::task_arena>(static_cast<int>(count));
  pool->arena->initialize();
  start_all_workers(*pool->arena, count);
  return pool;
}

Pool& pool_or_default() {
  std::lock_guard lock(g_mutex);
  if (g_pool == nullptr) g_pool = make_pool(0);
  return *g_pool;
}

}  // namespace

Status create(std::size_t count) {
  if (count > kMaxWorkers) {
    return fail("Worker count " + std::to_string(count) + " exceeds " + std::to_string(kMaxWorkers));
  }
  std::lock_guard lock(g_mutex);
  if (g_pool != nullptr) {
    return fail("The global thread pool has already been initialized");
  }
  g_pool = make_pool(count);
  return ok_status();
}

// There is one pool, so a worker's pool and the process-wide pool coincide.
std::size_t thread_count() {
  return static_cast<std::size_t>(pool_or_default().arena->max_concurrency());
}

tbb::task_arena& arena() { return *pool_or_default().arena; }

}  // namespace qv::pool
