#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "check.h"
#include "saal/saal.h"
#include "sgp4prop/deep_space.h"
#include "sgp4prop/sgp4_batch_kernel.h"

using saal::Key;

namespace {

// Verification sets of the `sgp4` package: near Earth (00005), 12-hour
// resonance (08195), low-inclination deep space with Lyddane periodics
// (23599), 24-hour resonance (26900), and a set that decays within a day
// (29141).
const char* kSets[][2] = {
    {"1 00005U 58002B   00179.78495062  .00000023  00000-0  28098-4 0  4753",
     "2 00005  34.2682 348.7242 1859667 331.7664  19.3264 10.82419157413667"},
    {"1 08195U 75081A   06176.33215444  .00000099  00000-0  11873-3 0   813",
     "2 08195  64.1586 279.0717 6877146 264.7651  20.2257  2.00491383225656"},
    {"1 23599U 95029B   06171.76535463  .00085586  12891-6  12956-2 0  2905",
     "2 23599   6.9327   0.2849 5782022 274.4436  25.2425  4.47796565123555"},
    {"1 26900U 01039A   06106.74503247  .00000045  00000-0  10000-3 0  8290",
     "2 26900   0.0164 266.5378 0003319  86.1794 182.2590  1.00273847 16981"},
    {"1 29141U 85108AA  06170.26783845  .99999999  00000-0  13519-0 0   718",
     "2 29141  82.4288 273.4882 0015848 277.2124  83.9133 15.93343074  6828"},
};

struct Loaded {
  Key key;
  double epoch;
};

Loaded load(const char* line1, const char* line2) {
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  saal::TleLinesToArray(line1, line2, xa, xs);
  const Key key = saal::TleAddSatFrArray(xa, xs);
  saal::Sgp4InitSat(key);
  return {key, xa[saal::XA_TLE_EPOCH]};
}

struct Soa {
  explicit Soa(std::size_t n) : x(n), y(n), z(n), vx(n), vy(n), vz(n), errors(n, -1) {}
  std::vector<double> x, y, z, vx, vy, vz;
  std::vector<int> errors;
};

// The batch kernel uses its own vectorisable sine, cosine and arctangent,
// within a few ulp of the C library's: states agree to 1e-10 relative (under
// a millimetre). The degenerate states of decaying sets far from epoch
// (beyond 1e5 km, speeds of thousands of km/s) amplify those ulps without
// bound; there both must at least be of the same size.
void check_matches_per_call(Key key, double day, const Soa& s, std::size_t i) {
  double pos[3], vel[3];
  const int r = saal::Sgp4PropDs50UtcPosVel(key, pos, vel, day);
  CHECK((r == 0) == (s.errors[i] == 0));
  if (r != 0) {
    CHECK(s.x[i] == 0.0 && s.vz[i] == 0.0);
    return;
  }
  const double radius = std::hypot(pos[0], pos[1], pos[2]);
  const double speed = std::hypot(vel[0], vel[1], vel[2]);
  if (radius > 1e5) {
    CHECK_NEAR(std::log10(std::hypot(s.x[i], s.y[i], s.z[i])), std::log10(radius), 1.0);
    return;
  }
  CHECK_NEAR(s.x[i], pos[0], 1e-10 * radius);
  CHECK_NEAR(s.y[i], pos[1], 1e-10 * radius);
  CHECK_NEAR(s.z[i], pos[2], 1e-10 * radius);
  CHECK_NEAR(s.vx[i], vel[0], 1e-10 * speed);
  CHECK_NEAR(s.vy[i], vel[1], 1e-10 * speed);
  CHECK_NEAR(s.vz[i], vel[2], 1e-10 * speed);
}

}  // namespace

TEST(sgp4_batch_times_match_per_call) {
  saal::SetAllKeyMode(1);
  for (const auto& set : kSets) {
    const Loaded sat = load(set[0], set[1]);
    // Both directions, several resonance steps, a count that is not a
    // multiple of the block width.
    std::vector<double> days;
    for (int j = 0; j < 203; ++j) days.push_back(sat.epoch - 3.0 + j * (7.0 / 203.0));
    // A degenerate state of 29141 (large short-period corrections).
    days.push_back(sat.epoch - 1578.0 / 1440.0);
    Soa s(days.size());
    const int r = saal::Sgp4PropDs50UtcBatch(sat.key, static_cast<int>(days.size()), days.data(),
                                             s.x.data(), s.y.data(), s.z.data(), s.vx.data(),
                                             s.vy.data(), s.vz.data(), s.errors.data());
    bool any_failure = false;
    for (std::size_t i = 0; i < days.size(); ++i) {
      check_matches_per_call(sat.key, days[i], s, i);
      any_failure = any_failure || s.errors[i] != 0;
    }
    CHECK((r != 0) == any_failure);
    saal::Sgp4RemoveSat(sat.key);
    saal::TleRemoveSat(sat.key);
  }
}

TEST(sgp4_batch_satellites_match_per_call) {
  saal::SetAllKeyMode(1);
  std::vector<Key> keys;
  for (int copy = 0; copy < 4; ++copy) {
    for (const auto& set : kSets) keys.push_back(load(set[0], set[1]).key);
  }
  for (double day : {20000.3, 20251.1, 20620.5}) {
    Soa s(keys.size());
    saal::Sgp4PropSatsDs50UtcBatch(static_cast<int>(keys.size()), keys.data(), s.x.data(),
                                   s.y.data(), s.z.data(), s.vx.data(), s.vy.data(), s.vz.data(),
                                   s.errors.data(), day);
    for (std::size_t i = 0; i < keys.size(); ++i) check_matches_per_call(keys[i], day, s, i);
  }
  for (Key key : keys) {
    saal::Sgp4RemoveSat(key);
    saal::TleRemoveSat(key);
  }
}

TEST(sgp4_batch_reports_failures_and_bad_keys) {
  saal::SetAllKeyMode(1);
  const Loaded decaying = load(kSets[4][0], kSets[4][1]);
  double days[2] = {decaying.epoch, decaying.epoch + 1.0};
  Soa s(2);
  CHECK(saal::Sgp4PropDs50UtcBatch(decaying.key, 2, days, s.x.data(), s.y.data(), s.z.data(),
                                   s.vx.data(), s.vy.data(), s.vz.data(), s.errors.data()) != 0);
  CHECK(s.errors[0] == 0 && s.errors[1] == 6);
  char text[saal::kTextBufferSize] = {};
  saal::GetLastErrMsg(text);
  CHECK(std::string(text).find("satellite 29141") != std::string::npos);

  const Key keys[2] = {decaying.key, decaying.key + 999};
  CHECK(saal::Sgp4PropSatsDs50UtcBatch(2, keys, s.x.data(), s.y.data(), s.z.data(), s.vx.data(),
                                       s.vy.data(), s.vz.data(), s.errors.data(),
                                       decaying.epoch) != 0);
  saal::GetLastErrMsg(text);
  CHECK(std::string(text).find("not initialised for SGP4") != std::string::npos);
  // Early failures leave no stale states behind.
  CHECK(s.x[0] == 0.0 && s.vz[0] == 0.0 && s.errors[0] == 0);
  CHECK(saal::Sgp4PropDs50UtcBatch(decaying.key, -1, days, s.x.data(), s.y.data(), s.z.data(),
                                   s.vx.data(), s.vy.data(), s.vz.data(), s.errors.data()) != 0);
  days[1] = NAN;
  s.x[0] = 1.0;
  CHECK(saal::Sgp4PropDs50UtcBatch(decaying.key, 2, days, s.x.data(), s.y.data(), s.z.data(),
                                   s.vx.data(), s.vy.data(), s.vz.data(), s.errors.data()) != 0);
  CHECK(s.x[0] == 0.0);
  saal::Sgp4RemoveSat(decaying.key);
  saal::TleRemoveSat(decaying.key);
}

TEST(sgp4_prepared_set_matches_per_call_and_outlives_its_keys) {
  saal::SetAllKeyMode(1);
  std::vector<Key> keys;
  for (int copy = 0; copy < 5; ++copy) {
    for (const auto& set : kSets) keys.push_back(load(set[0], set[1]).key);
  }
  const Key set = saal::Sgp4BatchSetCreate(static_cast<int>(keys.size()), keys.data());
  CHECK(set > 0);
  Soa s(keys.size());
  for (double day : {20000.3, 20251.1}) {
    saal::Sgp4BatchSetPropDs50Utc(set, s.x.data(), s.y.data(), s.z.data(), s.vx.data(),
                                  s.vy.data(), s.vz.data(), s.errors.data(), day);
    for (std::size_t i = 0; i < keys.size(); ++i) check_matches_per_call(keys[i], day, s, i);
  }
  Soa before(keys.size());
  saal::Sgp4BatchSetPropDs50Utc(set, before.x.data(), before.y.data(), before.z.data(),
                                before.vx.data(), before.vy.data(), before.vz.data(),
                                before.errors.data(), 20001.0);
  for (Key key : keys) {
    saal::Sgp4RemoveSat(key);
    saal::TleRemoveSat(key);
  }
  CHECK(saal::Sgp4BatchSetPropDs50Utc(set, s.x.data(), s.y.data(), s.z.data(), s.vx.data(),
                                      s.vy.data(), s.vz.data(), s.errors.data(), 20001.0) ==
        saal::Sgp4BatchSetPropDs50Utc(set, before.x.data(), before.y.data(), before.z.data(),
                                      before.vx.data(), before.vy.data(), before.vz.data(),
                                      before.errors.data(), 20001.0));
  CHECK(s.x == before.x && s.errors == before.errors);
  CHECK(saal::Sgp4BatchSetRemove(set) == 0);
  CHECK(saal::Sgp4BatchSetRemove(set) != 0);
  CHECK(saal::Sgp4BatchSetPropDs50Utc(set, s.x.data(), s.y.data(), s.z.data(), s.vx.data(),
                                      s.vy.data(), s.vz.data(), s.errors.data(), 20001.0) != 0);
  const Key unknown[1] = {set};
  CHECK(saal::Sgp4BatchSetCreate(1, unknown) <= 0);
}

TEST(sgp4_batch_kernels_for_both_instruction_sets_agree) {
  using namespace saal::sgp4::batch;
  saal::SetAllKeyMode(1);
  // One block mixing all five sets, so every stage runs.
  Lanes lanes;
  LaneTimes times{};
  BlockKind kind{false, false, false, false};
  std::vector<Key> keys;
  for (int j = 0; j < kBlock; ++j) {
    const auto& set = kSets[j % 5];
    double xa[64];
    char xs[saal::kTextBufferSize] = {};
    saal::TleLinesToArray(set[0], set[1], xa, xs);
    saal::sgp4::MeanElements el{xa[1], xa[25] / (1440.0 / (2.0 * std::numbers::pi)), xa[22],
                                xa[20] * std::numbers::pi / 180.0, xa[21] * std::numbers::pi / 180.0,
                                xa[23] * std::numbers::pi / 180.0, xa[24] * std::numbers::pi / 180.0, xa[4], true};
    saal::sgp4::Model m;
    saal::sgp4::initialise(el, m);
    set_lane_model(lanes, j, m);
    times.t[j] = 37.0 * j - 200.0;
    if (m.deep_space && m.ds.resonance != 0) {
      const saal::sgp4::ResonanceNode n = saal::sgp4::resonance_node(m, times.t[j]);
      set_lane_node(times, j, n.atime, n.xli, n.xni, n.xndt, n.xnddt, n.xldot);
    }
    kind = {kind.deep || m.deep_space, kind.near || !m.deep_space,
            kind.full_drag || !m.simple_drag,
            kind.resonant || (m.deep_space && m.ds.resonance != 0)};
  }
  Outputs b;
  generic::propagate_block(lanes, times, kind, b);
  auto agree = [&](const Outputs& a) {
    for (int j = 0; j < kBlock; ++j) {
      CHECK(a.error[j] == b.error[j]);
      const double radius = std::hypot(b.x[j], b.y[j], b.z[j]);
      if (radius > 1e5) continue;
      CHECK_NEAR(a.x[j], b.x[j], 1e-10 * radius);
      CHECK_NEAR(a.y[j], b.y[j], 1e-10 * radius);
      CHECK_NEAR(a.z[j], b.z[j], 1e-10 * radius);
      CHECK_NEAR(a.vz[j], b.vz[j], 1e-10 * std::hypot(b.vx[j], b.vy[j], b.vz[j]));
    }
  };
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) {
    Outputs a;
    avx2::propagate_block(lanes, times, kind, a);
    agree(a);
  }
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
      __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw")) {
    Outputs a;
    avx512::propagate_block(lanes, times, kind, a);
    agree(a);
  }
}
