// Reader of JPL planetary ephemerides in the binary SPK format: a DAF file of
// segments, of which Chebyshev position segments (type 2) are used. Only the
// segments for the Sun, the Earth-Moon barycentre, the Earth and the Moon are
// kept in memory. Little-endian IEEE files only (as JPL distributes them).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vec3.h"

namespace saal::detail {

inline constexpr int kSpkSolarSystemBarycenter = 0;
inline constexpr int kSpkEarthMoonBarycenter = 3;
inline constexpr int kSpkSun = 10;
inline constexpr int kSpkMoon = 301;
inline constexpr int kSpkEarth = 399;

class SpkFile {
 public:
  // Opens and checks the file; on failure returns null and a reason.
  static std::shared_ptr<const SpkFile> open(const std::string& path, std::string* reason);

  // Geocentric Sun and Moon, km, in the file's frame (ICRF/J2000) at a TDB
  // instant in seconds past J2000. False outside the file's coverage.
  bool sun_moon(double tdb_seconds, Vec3* sun, Vec3* moon) const;

 private:
  struct Segment {
    int target = 0;
    int center = 0;
    double start = 0.0;  // TDB seconds past J2000
    double end = 0.0;
    double init = 0.0;
    double interval = 0.0;
    int record_size = 0;
    int record_count = 0;
    std::vector<double> records;
  };

  static bool records_cover_their_intervals(const Segment& seg);
  const Segment* find(int target, int center, double tdb_seconds) const;
  bool position(int target, int center, double tdb_seconds, Vec3* out) const;

  std::vector<Segment> segments_;
};

}  // namespace saal::detail
