#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "check.h"
#include "saal/saal.h"

using saal::Key;

namespace {

std::string last_error() {
  char text[saal::kTextBufferSize] = {};
  saal::GetLastErrMsg(text);
  return text;
}

Key load(const char* line1, const char* line2) {
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  if (saal::TleLinesToArray(line1, line2, xa, xs) != 0) return 0;
  return saal::TleAddSatFrArray(xa, xs);
}

// Loads a set into both tables; 0 if either refuses.
Key load_for_sgp4(const char* line1, const char* line2) {
  const Key key = load(line1, line2);
  return key > 0 && saal::Sgp4InitSat(key) == 0 ? key : 0;
}

void release(Key key) {
  saal::Sgp4RemoveSat(key);
  saal::TleRemoveSat(key);
}

struct Expected {
  double minutes;
  double pos[3];
  double vel[3];
};

// Expected states of the published verification output (tcppver.out of the
// `sgp4` package), printed to 1e-8 km and 1e-9 km/s: the tolerance is that
// print precision.
void check_states(const char* line1, const char* line2, const std::vector<Expected>& expected) {
  saal::SetAllKeyMode(1);
  const Key key = load_for_sgp4(line1, line2);
  CHECK(key > 0);
  for (const Expected& e : expected) {
    double out[64];
    CHECK(saal::Sgp4PropAll(key, saal::SGP4_TIMETYPE_MSE, out, e.minutes) == 0);
    for (int j = 0; j < 3; ++j) {
      CHECK_NEAR(out[saal::XA_SGP4OUT_POSX + j], e.pos[j], 2e-8);
      CHECK_NEAR(out[saal::XA_SGP4OUT_VELX + j], e.vel[j], 2e-9);
    }
  }
  release(key);
}

const char* kLeo1 = "1 00005U 58002B   00179.78495062  .00000023  00000-0  28098-4 0  4753";
const char* kLeo2 = "2 00005  34.2682 348.7242 1859667 331.7664  19.3264 10.82419157413667";

}  // namespace

TEST(sgp4_near_earth_matches_verification_output) {
  check_states(kLeo1, kLeo2,
               {{0.0, {7022.46529266, -1400.08296755, 0.03995155},
                 {1.893841015, 6.405893759, 4.534807250}},
                {360.0, {-7154.03120202, -3783.17682504, -3536.19412294},
                 {4.741887409, -4.151817765, -2.093935425}}});
}

TEST(sgp4_deep_space_matches_verification_output) {
  check_states("1 04632U 70093B   04031.91070959 -.00000084  00000-0  10000-3 0  9955",
               "2 04632  11.4628 273.1101 1450506 207.6000 143.9350  1.20231981 44145",
               {{-5184.0, {-29020.02587128, 13819.84419063, -5713.33679183},
                 {-1.768068390, -3.235371192, -0.395206135}}});
}

TEST(sgp4_table_validates_keys_and_counts) {
  saal::SetAllKeyMode(1);
  const int before = saal::Sgp4GetCount();
  const Key key = load(kLeo1, kLeo2);
  CHECK(saal::Sgp4InitSat(key) == 0);
  CHECK(saal::Sgp4InitSat(key) != 0);
  CHECK(last_error().find("already initialised") != std::string::npos);
  CHECK(saal::Sgp4GetCount() == before + 1);
  CHECK(saal::Sgp4InitSat(key + 1000) != 0);
  double pos[3], vel[3];
  CHECK(saal::Sgp4PropDs50UtcPosVel(key + 1000, pos, vel, 20000.0) != 0);
  CHECK(last_error().find("is not initialised for SGP4") != std::string::npos);
  CHECK(saal::Sgp4RemoveSat(key) == 0);
  CHECK(saal::Sgp4RemoveSat(key) != 0);
  CHECK(saal::Sgp4PropDs50UtcPosVel(key, pos, vel, 20000.0) != 0);
  CHECK(saal::Sgp4GetCount() == before);
  saal::TleRemoveSat(key);
}

TEST(sgp4_time_types_agree) {
  saal::SetAllKeyMode(1);
  const Key key = load_for_sgp4(kLeo1, kLeo2);
  double xa[64];
  saal::TleDataToArray(key, xa, nullptr);
  double by_minutes[64], by_day[64], pos[3], vel[3];
  CHECK(saal::Sgp4PropAll(key, saal::SGP4_TIMETYPE_MSE, by_minutes, 720.0) == 0);
  CHECK(saal::Sgp4PropAll(key, saal::SGP4_TIMETYPE_DS50UTC, by_day, xa[1] + 0.5) == 0);
  CHECK(saal::Sgp4PropDs50UtcPosVel(key, pos, vel, xa[1] + 0.5) == 0);
  // One ulp of a 1950-based day count is 0.3 microseconds: 1e-5 km here.
  for (int j = 0; j < 3; ++j) {
    CHECK_NEAR(by_minutes[saal::XA_SGP4OUT_POSX + j], by_day[saal::XA_SGP4OUT_POSX + j], 1e-5);
    CHECK(pos[j] == by_day[saal::XA_SGP4OUT_POSX + j]);
  }
  CHECK(saal::Sgp4PropAll(key, 7, by_day, 0.0) != 0);
  // Mean elements in slots 15-20 stay near the set's own elements.
  CHECK_NEAR(by_minutes[saal::XA_SGP4OUT_MN_E], 0.1859667, 2e-3);
  CHECK_NEAR(by_minutes[saal::XA_SGP4OUT_MN_INCLI], 34.2682, 0.05);
  CHECK_NEAR(by_minutes[saal::XA_SGP4OUT_MN_A], saal::NToA(10.82419157), 5.0);
  CHECK_NEAR(by_minutes[saal::XA_SGP4OUT_OSC_E], 0.1859667, 2e-3);
  release(key);
}

TEST(sgp4_failures_name_the_satellite_and_leave_no_state) {
  saal::SetAllKeyMode(1);
  // Verification case 33333: eccentricity 0.995, decays within hours.
  const Key key =
      load_for_sgp4("1 33333U 05037B   05333.02012661  .25992681  00000-0  24476-3 0  1534",
                    "2 33333  96.4736 157.9986 9950000 244.0492 110.6523  4.00004038 10708");
  CHECK(key > 0);
  double out[64];
  CHECK(saal::Sgp4PropAll(key, saal::SGP4_TIMETYPE_MSE, out, 150.0) != 0);
  CHECK(last_error().find("satellite 33333") != std::string::npos);
  for (double v : out) CHECK(v == 0.0);
  release(key);
}

TEST(sgp4_element_types_four_and_six) {
  saal::SetAllKeyMode(1);
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(kLeo1, kLeo2, xa, xs) == 0);
  // A Brouwer set, and the same as type 4 with the equivalent B-term.
  xa[saal::XA_TLE_EPHTYPE] = saal::TLETYPE_SGP4;
  const Key brouwer = saal::TleAddSatFrArray(xa, xs);
  xa[saal::XA_TLE_EPHTYPE] = saal::TLETYPE_XP;
  xa[saal::XA_TLE_BTERM] = xa[saal::XA_TLE_BSTAR] * 12.741621;
  xa[saal::XA_TLE_BSTAR] = 0.0;
  const Key xp = saal::TleAddSatFrArray(xa, xs);
  xa[saal::XA_TLE_EPHTYPE] = saal::TLETYPE_SP;
  const Key osculating = saal::TleAddSatFrArray(xa, xs);
  CHECK(saal::Sgp4InitSat(brouwer) == 0);
  CHECK(saal::Sgp4InitSat(xp) == 0);
  CHECK(saal::Sgp4InitSat(osculating) != 0);
  CHECK(last_error().find("osculating") != std::string::npos);
  double a[64], b[64];
  CHECK(saal::Sgp4PropAll(brouwer, 0, a, 1440.0) == 0);
  CHECK(saal::Sgp4PropAll(xp, 0, b, 1440.0) == 0);
  for (int j = 3; j < 9; ++j) CHECK_NEAR(a[j], b[j], 1e-9);
  double mean[6], osc[6], eqnx[6];
  CHECK(saal::XpGetNativeElts(xp, mean, osc, xa[1] + 1.0) == 0);
  CHECK(saal::KepToEqnx(b + saal::XA_SGP4OUT_MN_A, eqnx) == 0);
  for (int j = 0; j < 6; ++j) CHECK_NEAR(mean[j], eqnx[j], 1e-9);
  release(brouwer);
  release(xp);
  saal::TleRemoveSat(osculating);
}

TEST(sgp4_reepoch_reproduces_the_state_at_the_new_epoch) {
  saal::SetAllKeyMode(1);
  const Key key = load_for_sgp4(kLeo1, kLeo2);
  double xa[64];
  saal::TleDataToArray(key, xa, nullptr);
  const double new_epoch = xa[saal::XA_TLE_EPOCH] + 2.5;
  char l1[saal::kTextBufferSize] = {}, l2[saal::kTextBufferSize] = {};
  CHECK(saal::Sgp4ReepochTLE(key, l1, l2, new_epoch) == 0);
  const Key moved = load_for_sgp4(l1, l2);
  CHECK(moved > 0);
  double moved_xa[64];
  saal::TleDataToArray(moved, moved_xa, nullptr);
  CHECK_NEAR(moved_xa[saal::XA_TLE_EPOCH], new_epoch, 1e-8);
  double p1[3], v1[3], p2[3], v2[3];
  CHECK(saal::Sgp4PropDs50UtcPosVel(key, p1, v1, new_epoch) == 0);
  CHECK(saal::Sgp4PropDs50UtcPosVel(moved, p2, v2, new_epoch) == 0);
  // The text rounds eccentricity to 1e-7 and angles to 1e-4 deg: about
  // 10 m on this orbit.
  CHECK(std::hypot(p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]) < 0.05);
  CHECK(std::hypot(v1[0] - v2[0], v1[1] - v2[1], v1[2] - v2[2]) < 5e-5);
  int s1 = 0, s2 = 0, error = 0;
  saal::GetCheckSums(l1, l2, &s1, &s2, &error);
  CHECK(l1[68] - '0' == s1 && l2[68] - '0' == s2);
  release(key);
  release(moved);
}

TEST(sgp4_concurrent_propagation_and_table_changes) {
  saal::SetAllKeyMode(1);
  const Key key = load_for_sgp4(kLeo1, kLeo2);
  double expected[64];
  saal::Sgp4PropAll(key, 0, expected, 100.0);
  std::vector<std::thread> threads;
  std::vector<int> mismatches(3, 0);
  for (int t = 0; t < 2; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        double out[64];
        if (saal::Sgp4PropAll(key, 0, out, 100.0) != 0 || out[3] != expected[3]) {
          ++mismatches[static_cast<std::size_t>(t)];
        }
      }
    });
  }
  threads.emplace_back([&] {
    for (int i = 0; i < 300; ++i) {
      const Key other = load_for_sgp4(kLeo1, kLeo2);
      if (other <= 0) ++mismatches[2];
      release(other);
    }
  });
  for (auto& th : threads) th.join();
  for (int m : mismatches) CHECK(m == 0);
  release(key);
}
