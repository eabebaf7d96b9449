// The external-ephemeris table: satellites whose motion is a caller-supplied
// list of states, kept sorted by time.
//
// Table rows are immutable, so each satellite's growing list of points lives
// in its own body behind a reader-writer lock: adding a point never copies the
// list, and lookups on one satellite run concurrently.
#pragma once

#include <array>
#include <memory>
#include <shared_mutex>
#include <vector>

#include "../common/keyed_table.h"
#include "saal/saal.h"

namespace saal::detail {

// Two times closer than this (days) are the same point.
inline constexpr double kExtEphTimeTolerance = 1e-10;

// Coordinate-system codes accepted by ExtEphAddSat: ECI (TEME), J2000, EFG, ECR.
inline constexpr int kExtEphFirstFrameCode = 1;
inline constexpr int kExtEphLastFrameCode = 4;

struct ExtEphPoint {
  double ds50_utc = 0.0;
  std::array<double, 3> pos{};
  std::array<double, 3> vel{};
  int rev_num = 0;
  // Upper triangle of the symmetric 6x6 position-velocity covariance, row by
  // row (c11, c12, ..., c16, c22, ..., c66); zero when none was given.
  std::array<double, 21> cov_upper{};
};

struct ExtEphPoints {
  mutable std::shared_mutex mutex;
  std::vector<ExtEphPoint> points;  // ascending ds50_utc, no two within tolerance
};

struct ExtEphSatellite {
  double epoch_ds50_utc = 0.0;  // origin of the minutes-since-epoch output
  std::shared_ptr<ExtEphPoints> body;
};

KeyedTable<ExtEphSatellite>& ext_eph_table();

// Inserts a point in time order; a point within tolerance of an existing one
// replaces it.
void insert_point(ExtEphPoints& body, const ExtEphPoint& point);

}  // namespace saal::detail
