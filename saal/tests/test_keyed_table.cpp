#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "check.h"
#include "common/keyed_table.h"
#include "common/last_error.h"
#include "saal/saal.h"

using saal::Key;
using saal::detail::KeyedTable;

TEST(keys_are_unique_across_tables) {
  KeyedTable<int> a;
  KeyedTable<int> b;
  const Key ka = a.insert(1);
  const Key kb = b.insert(2);
  CHECK(ka != kb);
  CHECK(a.find(kb) == nullptr);
  CHECK(b.find(ka) == nullptr);
}

TEST(removed_keys_are_never_reused) {
  KeyedTable<int> t;
  const Key k = t.insert(7);
  CHECK(t.erase(k));
  CHECK(!t.erase(k));
  CHECK(t.find(k) == nullptr);
  CHECK(t.insert(7) != k);
}

TEST(concurrent_inserts_lookups_and_removals) {
  KeyedTable<std::vector<double>> t;
  constexpr int kThreads = 4;
  constexpr int kPerThread = 5000;
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int w = 0; w < kThreads; ++w) {
    threads.emplace_back([&, w] {
      std::vector<Key> mine;
      for (int i = 0; i < kPerThread; ++i) {
        const double tag = w * 1e6 + i;
        const Key k = t.insert(std::vector<double>(8, tag));
        mine.push_back(k);
        auto row = t.find(k);
        if (!row || (*row)[7] != tag) ++mismatches;
        if (i % 2 == 1) {
          if (!t.erase(mine[i - 1])) ++mismatches;
        }
      }
      for (int i = 1; i < kPerThread; i += 2) {
        if (!t.erase(mine[i])) ++mismatches;
      }
    });
  }
  for (auto& th : threads) th.join();
  CHECK(mismatches.load() == 0);
  CHECK(t.size() == 0);
}

TEST(last_error_text_is_per_thread) {
  saal::detail::set_last_error("main thread error");
  std::string seen_in_worker;
  std::thread worker([&] {
    char buf[saal::kTextBufferSize] = {};
    saal::GetLastErrMsg(buf);
    seen_in_worker = buf;
    saal::detail::set_last_error("worker error");
  });
  worker.join();
  char buf[saal::kTextBufferSize] = {};
  saal::GetLastErrMsg(buf);
  CHECK(seen_in_worker.empty());
  CHECK(std::string(buf) == "main thread error");
}

TEST(last_error_text_is_cut_at_512_bytes) {
  saal::detail::set_last_error(std::string(600, 'x'));
  char buf[saal::kTextBufferSize];
  std::memset(buf, 'y', sizeof buf);
  saal::GetLastErrMsg(buf);
  CHECK(std::strlen(buf) == 512);
  CHECK(buf[512] == '\0');
}

TEST(key_mode_accepts_only_zero_and_one) {
  const int before = saal::GetAllKeyMode();
  CHECK(saal::SetAllKeyMode(2) != 0);
  CHECK(saal::GetAllKeyMode() == before);
  CHECK(saal::SetAllKeyMode(0) == 0);
  CHECK(saal::GetAllKeyMode() == 0);
  CHECK(saal::SetAllKeyMode(before) == 0);
}
