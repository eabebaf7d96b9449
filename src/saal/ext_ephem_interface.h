// The layer's external-ephemeris table, one call per operation: satellites
// whose motion is a caller-supplied list of states.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "lib/result.h"

namespace qv::ext_ephem {

using Vector3 = std::array<double, 3>;
using Matrix6 = std::array<std::array<double, 6>, 6>;

// Coordinate-system codes of add_satellite.
inline constexpr int kCoordEci = 1;
inline constexpr int kCoordJ2k = 2;
inline constexpr int kCoordEfg = 3;
inline constexpr int kCoordEcr = 4;

struct IndexedState {
  double ds50_utc = 0.0;
  Vector3 position{};
  Vector3 velocity{};
  Matrix6 covariance{};
};

// Registers a satellite; registrations from all threads are serialised by
// one process-wide lock. A key of 0 or more is success.
Result<std::int64_t> add_satellite(int sat_num, double epoch_ds50_utc, double ae, double ke,
                                   int coord_sys);

// Adds a state, with the 21-value upper-triangle covariance when given.
Status add_state(std::int64_t sat_key, double ds50_utc, const Vector3& pos, const Vector3& vel,
                 const std::optional<std::array<double, 21>>& cov);

// Removes a satellite; an unknown key is ignored.
void remove_key(std::int64_t key);

Result<std::pair<Vector3, Vector3>> get_posvel_at_ds50(std::int64_t key, double ds50_utc);
Result<IndexedState> get_posvel_at_index(std::int64_t key, int index);
Result<int> get_number_of_states(std::int64_t key);

}  // namespace qv::ext_ephem
