// Single-thread SGP4 throughput of the layer: the per-call operation in a
// loop and the batch paths (a prepared satellite set too), over every set of
// a file at `times` one-minute steps from the first set's epoch. Prints one
// JSON object.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "saal/saal.h"

namespace {

// Best of three runs, in states per second.
double rate(std::size_t states, const std::function<void()>& run) {
  double best = 0.0;
  for (int pass = 0; pass < 3; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best = std::max(best, static_cast<double>(states) / seconds);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: sgp4_bench FILE TIMES\n");
    return 2;
  }
  saal::SetAllKeyMode(1);
  std::ifstream file(argv[1]);
  const int times = std::stoi(argv[2]);
  std::vector<saal::Key> keys;
  double start_day = 0.0;
  std::string line1, line2;
  while (std::getline(file, line1) && std::getline(file, line2)) {
    double xa[64];
    char xs[saal::kTextBufferSize] = {};
    if (saal::TleLinesToArray(line1.c_str(), line2.c_str(), xa, xs) != 0) return 1;
    const saal::Key key = saal::TleAddSatFrArray(xa, xs);
    if (key <= 0 || saal::Sgp4InitSat(key) != 0) return 1;
    if (keys.empty()) start_day = xa[saal::XA_TLE_EPOCH];
    keys.push_back(key);
  }
  const std::size_t n = keys.size();
  std::vector<double> days(static_cast<std::size_t>(times));
  for (int j = 0; j < times; ++j) days[static_cast<std::size_t>(j)] = start_day + j / 1440.0;
  const std::size_t longest = std::max(n, days.size());
  std::vector<double> x(longest), y(longest), z(longest), vx(longest), vy(longest), vz(longest);
  std::vector<int> errors(longest);
  double sink = 0.0;
  const std::size_t states = n * days.size();

  const double per_call = rate(states, [&] {
    for (saal::Key key : keys) {
      for (double day : days) {
        double pos[3], vel[3];
        saal::Sgp4PropDs50UtcPosVel(key, pos, vel, day);
        sink += pos[0];
      }
    }
  });
  const double batch_times = rate(states, [&] {
    for (saal::Key key : keys) {
      saal::Sgp4PropDs50UtcBatch(key, times, days.data(), x.data(), y.data(), z.data(),
                                 vx.data(), vy.data(), vz.data(), errors.data());
      sink += x[0];
    }
  });
  const double batch_satellites = rate(states, [&] {
    for (double day : days) {
      saal::Sgp4PropSatsDs50UtcBatch(static_cast<int>(n), keys.data(), x.data(), y.data(),
                                     z.data(), vx.data(), vy.data(), vz.data(), errors.data(),
                                     day);
      sink += x[0];
    }
  });
  const saal::Key set = saal::Sgp4BatchSetCreate(static_cast<int>(n), keys.data());
  if (set <= 0) return 1;
  const double batch_set = rate(states, [&] {
    for (double day : days) {
      saal::Sgp4BatchSetPropDs50Utc(set, x.data(), y.data(), z.data(), vx.data(), vy.data(),
                                    vz.data(), errors.data(), day);
      sink += x[0];
    }
  });
  std::printf(
      "{\"satellites\": %zu, \"times\": %d, \"per_call\": %.6g, \"batch_times\": %.6g, "
      "\"batch_satellites\": %.6g, \"batch_set\": %.6g, \"checksum\": %.6g}\n",
      n, times, per_call, batch_times, batch_satellites, batch_set, sink);
  return 0;
}
