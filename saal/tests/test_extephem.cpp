#include <array>
#include <atomic>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "check.h"
#include "common/last_error.h"
#include "saal/saal.h"

using saal::Key;

namespace {

constexpr double kDay0 = 27000.0;

Key new_satellite() { return saal::ExtEphAddSat(12345, 1, kDay0, 6378.135, 0.0743669161); }

// Cubic motion per axis, which cubic Hermite interpolation reproduces exactly.
// t in seconds after kDay0.
void cubic_state(double t, double pos[3], double vel[3]) {
  for (int i = 0; i < 3; ++i) {
    const double a = 7000.0 * (i + 1), b = 1.5 - i, c = 1e-3 * (i + 1), d = -2e-7 * (i + 2);
    pos[i] = a + b * t + c * t * t + d * t * t * t;
    vel[i] = b + 2 * c * t + 3 * d * t * t;
  }
}

void add_cubic_point(Key key, double t_seconds) {
  double pos[3], vel[3];
  cubic_state(t_seconds, pos, vel);
  CHECK(saal::ExtEphAddSatEphem(key, pos, vel, 0, kDay0 + t_seconds / 86400.0) == 0);
}

int count_of(Key key) {
  int n = -1;
  CHECK(saal::ExtEphGetNumPts(key, &n) == 0);
  return n;
}

bool error_mentions(const char* text) {
  return saal::detail::last_error().find(text) != std::string::npos;
}

}  // namespace

TEST(ext_eph_registration_validates_its_arguments) {
  const Key key = new_satellite();
  CHECK(key > 0);
  CHECK(count_of(key) == 0);
  CHECK(saal::ExtEphAddSat(1, 0, kDay0, 6378.135, 0.07) == -1);
  CHECK(error_mentions("unknown coordinate system 0"));
  CHECK(saal::ExtEphAddSat(1, 5, kDay0, 6378.135, 0.07) == -1);
  CHECK(saal::ExtEphAddSat(1, 2, NAN, 6378.135, 0.07) == -1);
  CHECK(saal::ExtEphAddSat(1, 2, kDay0, -1.0, 0.07) == -1);
  CHECK(saal::ExtEphRemoveSat(key) == 0);
}

TEST(ext_eph_points_are_kept_in_time_order_and_duplicates_replace) {
  const Key key = new_satellite();
  for (double t : {600.0, 0.0, 1800.0, 1200.0}) add_cubic_point(key, t);
  CHECK(count_of(key) == 4);
  double pos[3] = {1, 2, 3}, vel[3] = {4, 5, 6};
  // 5e-11 day from the point at 600 s: the same point, replaced.
  CHECK(saal::ExtEphAddSatEphem(key, pos, vel, 7, kDay0 + 600.0 / 86400.0 + 5e-11) == 0);
  CHECK(count_of(key) == 4);
  double day = 0, p[3], v[3], cov[6][6];
  int rev = -1;
  double previous = -1.0;
  for (int i = 1; i <= 4; ++i) {
    CHECK(saal::ExtEphGetCovMtx(key, i, &day, p, v, &rev, cov) == 0);
    CHECK(day > previous);
    previous = day;
  }
  CHECK(saal::ExtEphGetCovMtx(key, 2, &day, p, v, &rev, cov) == 0);
  CHECK(rev == 7 && p[0] == 1.0 && v[2] == 6.0);
  saal::ExtEphRemoveSat(key);
}

TEST(ext_eph_interpolation_is_exact_for_cubic_motion) {
  const Key key = new_satellite();
  for (int k = 0; k <= 6; ++k) add_cubic_point(key, 600.0 * k);
  for (double t : {0.0, 123.0, 300.0, 1799.5, 2400.0, 3599.0, 3600.0}) {
    double mse = 0, pos[3], vel[3], want_pos[3], want_vel[3];
    int rev = -1;
    CHECK(saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, kDay0 + t / 86400.0) == 0);
    cubic_state(t, want_pos, want_vel);
    // Times pass through day counts near 27000, resolved to ~5e-7 s: at
    // speeds below 20 km/s that is below 1e-5 km.
    for (int i = 0; i < 3; ++i) {
      CHECK_NEAR(pos[i], want_pos[i], 1e-5);
      CHECK_NEAR(vel[i], want_vel[i], 1e-7);
    }
    CHECK_NEAR(mse, t / 60.0, 1e-6);
  }
  saal::ExtEphRemoveSat(key);
}

TEST(ext_eph_queries_outside_the_span_or_on_an_empty_list_fail) {
  const Key key = new_satellite();
  double mse, pos[3], vel[3];
  int rev;
  CHECK(saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, kDay0) != 0);
  CHECK(error_mentions("no ephemeris points"));
  add_cubic_point(key, 0.0);
  add_cubic_point(key, 600.0);
  CHECK(saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, kDay0 - 0.01) != 0);
  CHECK(error_mentions("outside the ephemeris span"));
  CHECK(pos[0] == 0.0 && vel[0] == 0.0);
  CHECK(saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, kDay0 + 0.01) != 0);
  CHECK(saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, NAN) != 0);
  double day, cov[6][6];
  CHECK(saal::ExtEphGetCovMtx(key, 0, &day, pos, vel, &rev, cov) != 0);
  CHECK(saal::ExtEphGetCovMtx(key, 3, &day, pos, vel, &rev, cov) != 0);
  CHECK(error_mentions("outside 1..2"));
  saal::ExtEphRemoveSat(key);
}

TEST(ext_eph_rejects_non_finite_states) {
  const Key key = new_satellite();
  double pos[3] = {7000, 0, NAN}, vel[3] = {0, 7.5, 0};
  CHECK(saal::ExtEphAddSatEphem(key, pos, vel, 0, kDay0) != 0);
  pos[2] = 0.0;
  double cov[21] = {};
  cov[20] = INFINITY;
  CHECK(saal::ExtEphAddSatEphemCovMtx(key, pos, vel, 0, cov, kDay0) != 0);
  CHECK(error_mentions("covariance"));
  CHECK(count_of(key) == 0);
  saal::ExtEphRemoveSat(key);
}

TEST(ext_eph_covariance_comes_back_as_a_symmetric_matrix) {
  const Key key = new_satellite();
  double pos[3] = {7000, 0, 0}, vel[3] = {0, 7.5, 0}, upper[21];
  for (int i = 0; i < 21; ++i) upper[i] = i + 1.0;
  CHECK(saal::ExtEphAddSatEphemCovMtx(key, pos, vel, 3, upper, kDay0) == 0);
  double day, p[3], v[3], cov[6][6];
  int rev;
  CHECK(saal::ExtEphGetCovMtx(key, 1, &day, p, v, &rev, cov) == 0);
  CHECK(day == kDay0 && rev == 3 && p[0] == 7000.0 && v[1] == 7.5);
  CHECK(cov[0][0] == 1.0 && cov[0][5] == 6.0 && cov[1][1] == 7.0 && cov[5][5] == 21.0);
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 6; ++c) CHECK(cov[r][c] == cov[c][r]);
  }
  saal::ExtEphRemoveSat(key);
}

TEST(ext_eph_unknown_and_removed_keys_fail_with_text) {
  const Key key = new_satellite();
  CHECK(saal::ExtEphRemoveSat(key) == 0);
  CHECK(saal::ExtEphRemoveSat(key) != 0);
  CHECK(error_mentions("unknown satellite key"));
  double pos[3] = {}, vel[3] = {}, mse, day, cov[6][6];
  int rev, n;
  CHECK(saal::ExtEphAddSatEphem(key, pos, vel, 0, kDay0) != 0);
  CHECK(saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, kDay0) != 0);
  CHECK(saal::ExtEphGetCovMtx(key, 1, &day, pos, vel, &rev, cov) != 0);
  CHECK(saal::ExtEphGetNumPts(key, &n) != 0);
  CHECK(error_mentions("unknown satellite key"));
  CHECK(saal::ExtEphGetNumPts(-5, &n) != 0);
}

TEST(ext_eph_readers_run_while_a_writer_adds_points) {
  const Key key = new_satellite();
  add_cubic_point(key, 0.0);
  add_cubic_point(key, 60.0);
  std::atomic<bool> done{false};
  std::atomic<int> bad{0};
  std::vector<std::thread> readers;
  for (int r = 0; r < 3; ++r) {
    readers.emplace_back([&] {
      while (!done.load()) {
        double mse, pos[3], vel[3], want_pos[3], want_vel[3];
        int rev;
        if (saal::ExtEphDs50UTC(key, &mse, pos, vel, &rev, kDay0 + 30.0 / 86400.0) != 0) ++bad;
        cubic_state(30.0, want_pos, want_vel);
        if (std::fabs(pos[0] - want_pos[0]) > 1e-5) ++bad;
      }
    });
  }
  for (int k = 2; k < 2000; ++k) add_cubic_point(key, 60.0 * k);
  done = true;
  for (auto& t : readers) t.join();
  CHECK(bad.load() == 0);
  CHECK(count_of(key) == 2000);
  saal::ExtEphRemoveSat(key);
}
