// Registering external-ephemeris satellites and adding their states.
#include <cmath>
#include <memory>
#include <string>

#include "../common/last_error.h"
#include "ext_ephem_table.h"
#include "saal/saal.h"

namespace saal {
namespace {

using namespace detail;

bool all_finite(const double* values, int n) {
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(values[i])) return false;
  }
  return true;
}

int add_point(const char* op, Key sat_key, const double pos[3], const double vel[3], int rev_num,
              const double* cov_upper, double ds50_utc) {
  const auto sat = ext_eph_table().find(sat_key);
  if (!sat) return fail(std::string(op) + ": unknown satellite key " + std::to_string(sat_key));
  if (pos == nullptr || vel == nullptr || !all_finite(pos, 3) || !all_finite(vel, 3) ||
      !std::isfinite(ds50_utc)) {
    return fail(std::string(op) + ": time, position and velocity must be finite numbers");
  }
  if (cov_upper != nullptr && !all_finite(cov_upper, 21)) {
    return fail(std::string(op) + ": covariance values must be finite numbers");
  }
  ExtEphPoint point;
  point.ds50_utc = ds50_utc;
  point.rev_num = rev_num;
  for (int i = 0; i < 3; ++i) {
    point.pos[i] = pos[i];
    point.vel[i] = vel[i];
  }
  if (cov_upper != nullptr) {
    for (int i = 0; i < 21; ++i) point.cov_upper[i] = cov_upper[i];
  }
  insert_point(*sat->body, point);
  return 0;
}

}  // namespace

Key ExtEphAddSat(int sat_num, int frame_code, double epoch_ds50_utc, double ae, double ke) {
  if (sat_num < 0) {
    fail("ExtEphAddSat: satellite number must not be negative");
    return -1;
  }
  if (frame_code < kExtEphFirstFrameCode || frame_code > kExtEphLastFrameCode) {
    fail("ExtEphAddSat: unknown coordinate system " + std::to_string(frame_code));
    return -1;
  }
  if (!std::isfinite(epoch_ds50_utc) || !(std::isfinite(ae) && ae > 0.0) ||
      !(std::isfinite(ke) && ke > 0.0)) {
    fail("ExtEphAddSat: epoch must be finite, ae and ke finite and positive");
    return -1;
  }
  return ext_eph_table().insert(
      ExtEphSatellite{epoch_ds50_utc, std::make_shared<ExtEphPoints>()});
}

int ExtEphAddSatEphem(Key sat_key, const double pos[3], const double vel[3], int rev_num,
                      double ds50_utc) {
  return add_point("ExtEphAddSatEphem", sat_key, pos, vel, rev_num, nullptr, ds50_utc);
}

int ExtEphAddSatEphemCovMtx(Key sat_key, const double pos[3], const double vel[3], int rev_num,
                            const double cov_upper[21], double ds50_utc) {
  if (cov_upper == nullptr) return fail("ExtEphAddSatEphemCovMtx: covariance is missing");
  return add_point("ExtEphAddSatEphemCovMtx", sat_key, pos, vel, rev_num, cov_upper, ds50_utc);
}

int ExtEphRemoveSat(Key sat_key) {
  if (!ext_eph_table().erase(sat_key)) {
    return fail("ExtEphRemoveSat: unknown satellite key " + std::to_string(sat_key));
  }
  return 0;
}

}  // namespace saal
