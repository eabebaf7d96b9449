#include "saal/ext_ephem_interface.h"

#include <mutex>

#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv::ext_ephem {

namespace {
std::mutex& registration_lock() {
  static std::mutex lock;
  return lock;
}
}  // namespace

Result<std::int64_t> add_satellite(int sat_num, double epoch_ds50_utc, double ae, double ke,
                                   int coord_sys) {
  // The error text is per thread, but it is read under the lock too so that
  // a failed registration reports exactly its own failure.
  std::lock_guard lock(registration_lock());
  const saal::Key key = saal::ExtEphAddSat(sat_num, coord_sys, epoch_ds50_utc, ae, ke);
  if (key < 0) return saal_failure();
  return key;
}

Status add_state(std::int64_t sat_key, double ds50_utc, const Vector3& pos, const Vector3& vel,
                 const std::optional<std::array<double, 21>>& cov) {
  const int rc = cov ? saal::ExtEphAddSatEphemCovMtx(sat_key, pos.data(), vel.data(), 0,
                                                     cov->data(), ds50_utc)
                     : saal::ExtEphAddSatEphem(sat_key, pos.data(), vel.data(), 0, ds50_utc);
  if (rc != 0) return saal_failure();
  return ok_status();
}

void remove_key(std::int64_t key) { saal::ExtEphRemoveSat(key); }

Result<std::pair<Vector3, Vector3>> get_posvel_at_ds50(std::int64_t key, double ds50_utc) {
  double minutes_since_epoch = 0.0;
  int rev_num = 0;
  Vector3 pos{}, vel{};
  if (saal::ExtEphDs50UTC(key, &minutes_since_epoch, pos.data(), vel.data(), &rev_num,
                          ds50_utc) != 0) {
    return saal_failure();
  }
  return std::pair{pos, vel};
}

Result<IndexedState> get_posvel_at_index(std::int64_t key, int index) {
  IndexedState out;
  double cov[6][6] = {};
  int rev_num = 0;
  if (saal::ExtEphGetCovMtx(key, index, &out.ds50_utc, out.position.data(), out.velocity.data(),
                            &rev_num, cov) != 0) {
    return saal_failure();
  }
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 6; ++c) out.covariance[r][c] = cov[r][c];
  }
  return out;
}

Result<int> get_number_of_states(std::int64_t key) {
  int count = 0;
  if (saal::ExtEphGetNumPts(key, &count) != 0) return saal_failure();
  return count;
}

}  // namespace qv::ext_ephem
