#include "ext_ephem_table.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace saal::detail {

KeyedTable<ExtEphSatellite>& ext_eph_table() {
  static KeyedTable<ExtEphSatellite> table;
  return table;
}

void insert_point(ExtEphPoints& body, const ExtEphPoint& point) {
  std::unique_lock lock(body.mutex);
  auto& points = body.points;
  auto it = std::lower_bound(points.begin(), points.end(),
                             point.ds50_utc - kExtEphTimeTolerance,
                             [](const ExtEphPoint& p, double t) { return p.ds50_utc < t; });
  if (it != points.end() && std::fabs(it->ds50_utc - point.ds50_utc) <= kExtEphTimeTolerance) {
    *it = point;
    return;
  }
  points.insert(it, point);
}

}  // namespace saal::detail
