// Readers on several threads while a writer grows the table. Run under
// ThreadSanitizer (make tsan) to check the locking. Plain threads rather than
// the worker pool: the pool's library is not instrumented, so the sanitizer
// cannot see its hand-offs and reports them as races.
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "check.h"
#include "elements/ephemeris.h"

using namespace qv;

namespace {

constexpr double kDay0 = 27000.0;
constexpr double kMinute = 1.0 / 1440.0;

CartesianState circular_state(double day) {
  const double w = 2.0 * M_PI / 5400.0;  // one revolution in 90 minutes
  const double t = (day - kDay0) * 86400.0, r = 6778.0;
  return CartesianState{Epoch{day, TimeSystem::UTC},
                        {r * std::cos(w * t), r * std::sin(w * t), 0.0},
                        {-r * w * std::sin(w * t), r * w * std::cos(w * t), 0.0},
                        ReferenceFrame::TEME};
}

}  // namespace

TEST(ephemeris_readers_run_beside_a_writer) {
  auto h = EphemerisHandle::create("sat", std::nullopt, circular_state(kDay0)).value();
  CHECK(h->add_state(circular_state(kDay0 + kMinute)).ok());
  std::atomic<bool> writing{true};
  std::atomic<int> bad{0};
  std::thread writer([&] {
    for (int k = 2; k < 3000; ++k) {
      if (!h->add_state(circular_state(kDay0 + k * kMinute)).ok()) ++bad;
    }
    // A late state off the grid switches readers to the search path.
    if (!h->add_state(circular_state(kDay0 + 0.3 * kMinute)).ok()) ++bad;
    writing = false;
  });
  auto read_once = [&](std::size_t i) {
    const double day = kDay0 + (static_cast<double>(i % 997) + 0.5) * kMinute;
    auto got = h->get_state_at_epoch(Epoch{day, TimeSystem::UTC});
    if (!got) {
      ++bad;
      return;
    }
    const double r = std::hypot(got->position.x, got->position.y);
    // Before the writer reaches `day` the lookup returns the last entry;
    // either way a state of the 6778 km circle comes back.
    if (std::fabs(r - 6778.0) > 0.1) ++bad;
    auto range = h->get_epoch_range();
    if (!(range.first.days_since_1950 <= range.second.days_since_1950)) ++bad;
  };
  std::vector<std::thread> readers;
  for (std::size_t r = 0; r < 3; ++r) {
    readers.emplace_back([&, r] {
      for (std::size_t i = r; writing; i += 3) read_once(i);
    });
  }
  writer.join();
  for (auto& reader : readers) reader.join();
  CHECK(bad.load() == 0);
  CHECK(h->number_of_states() == 3001);
}
