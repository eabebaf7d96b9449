#include "spk_file.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace saal::detail {
namespace {

constexpr std::size_t kRecordBytes = 1024;
constexpr int kChebyshevPositionType = 2;

bool wanted(int target, int center) {
  return (target == kSpkSun && center == kSpkSolarSystemBarycenter) ||
         (target == kSpkEarthMoonBarycenter && center == kSpkSolarSystemBarycenter) ||
         (target == kSpkEarth && center == kSpkEarthMoonBarycenter) ||
         (target == kSpkMoon && center == kSpkEarthMoonBarycenter);
}

template <class T>
T read_at(const std::vector<char>& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

}  // namespace

// Each record spans its own slice of the segment: midpoint init + (k + 1/2)
// interval and radius interval / 2. A record that does not (zero radius, say)
// would give non-finite or wild positions, so the file is refused instead.
bool SpkFile::records_cover_their_intervals(const Segment& seg) {
  const double tolerance = 1e-6 * seg.interval;
  for (int k = 0; k < seg.record_count; ++k) {
    const double* rec = seg.records.data() + static_cast<std::size_t>(k) * seg.record_size;
    const double midpoint = seg.init + (k + 0.5) * seg.interval;
    if (!(std::fabs(rec[0] - midpoint) <= tolerance &&
          std::fabs(rec[1] - 0.5 * seg.interval) <= tolerance)) {
      return false;
    }
  }
  return true;
}

std::shared_ptr<const SpkFile> SpkFile::open(const std::string& path, std::string* reason) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *reason = "cannot open file";
    return nullptr;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < kRecordBytes || std::memcmp(bytes.data(), "DAF/SPK ", 8) != 0) {
    *reason = "not an SPK ephemeris (no DAF/SPK file record)";
    return nullptr;
  }
  if (std::memcmp(bytes.data() + 88, "LTL-IEEE", 8) != 0) {
    *reason = "unsupported byte order (only LTL-IEEE files are read)";
    return nullptr;
  }
  const auto nd = read_at<std::int32_t>(bytes, 8);
  const auto ni = read_at<std::int32_t>(bytes, 12);
  if (nd != 2 || ni != 6) {
    *reason = "unexpected summary layout (ND/NI)";
    return nullptr;
  }
  const std::size_t summary_doubles = nd + (ni + 1) / 2;
  const std::size_t total_doubles = bytes.size() / 8;

  auto file = std::make_shared<SpkFile>();
  std::int64_t record = read_at<std::int32_t>(bytes, 76);
  for (int guard = 0; record > 0; ++guard) {
    const std::size_t base = static_cast<std::size_t>(record - 1) * kRecordBytes;
    if (guard > 100000 || base + kRecordBytes > bytes.size()) {
      *reason = "summary record chain is broken (file truncated or corrupt)";
      return nullptr;
    }
    const double next = read_at<double>(bytes, base);
    const double count = read_at<double>(bytes, base + 16);
    if (!(count >= 0.0) || 3 + count * summary_doubles > 128) {
      *reason = "corrupt summary record";
      return nullptr;
    }
    for (int s = 0; s < static_cast<int>(count); ++s) {
      const std::size_t at = base + (3 + s * summary_doubles) * 8;
      const double start = read_at<double>(bytes, at);
      const double end = read_at<double>(bytes, at + 8);
      std::int32_t ic[6];
      std::memcpy(ic, bytes.data() + at + 16, sizeof(ic));
      if (!wanted(ic[0], ic[1]) || ic[3] != kChebyshevPositionType) continue;
      const std::int64_t first = ic[4], last = ic[5];
      if (first < 1 || last < first + 4 || static_cast<std::size_t>(last) > total_doubles) {
        *reason = "segment addresses outside the file (truncated or corrupt)";
        return nullptr;
      }
      Segment seg;
      seg.target = ic[0];
      seg.center = ic[1];
      seg.start = start;
      seg.end = end;
      const std::size_t tail = static_cast<std::size_t>(last - 4) * 8;
      seg.init = read_at<double>(bytes, tail);
      seg.interval = read_at<double>(bytes, tail + 8);
      const double rsize = read_at<double>(bytes, tail + 16);
      const double n = read_at<double>(bytes, tail + 24);
      const std::int64_t words = last - first + 1 - 4;
      const double max_words = static_cast<double>(words);
      if (!(rsize >= 5.0 && rsize <= max_words && n >= 1.0 && n <= max_words &&
            seg.interval > 0.0 && std::isfinite(seg.interval)) ||
          static_cast<std::int64_t>(rsize) * static_cast<std::int64_t>(n) != words ||
          (static_cast<int>(rsize) - 2) % 3 != 0 || !(start < end)) {
        *reason = "corrupt Chebyshev segment directory";
        return nullptr;
      }
      seg.record_size = static_cast<int>(rsize);
      seg.record_count = static_cast<int>(n);
      const std::size_t from = static_cast<std::size_t>(first - 1) * 8;
      seg.records.resize(static_cast<std::size_t>(words));
      std::memcpy(seg.records.data(), bytes.data() + from, seg.records.size() * 8);
      for (double c : seg.records) {
        if (!std::isfinite(c)) {
          *reason = "segment holds non-finite coefficients";
          return nullptr;
        }
      }
      if (!records_cover_their_intervals(seg)) {
        *reason = "Chebyshev record midpoint or radius does not match its interval";
        return nullptr;
      }
      file->segments_.push_back(std::move(seg));
    }
    if (!(next >= 0.0 && next <= static_cast<double>(bytes.size() / kRecordBytes))) {
      *reason = "summary record chain is broken (file truncated or corrupt)";
      return nullptr;
    }
    record = static_cast<std::int64_t>(next);
  }
  const int needed[4][2] = {{kSpkSun, kSpkSolarSystemBarycenter},
                            {kSpkEarthMoonBarycenter, kSpkSolarSystemBarycenter},
                            {kSpkEarth, kSpkEarthMoonBarycenter},
                            {kSpkMoon, kSpkEarthMoonBarycenter}};
  for (const auto& pair : needed) {
    bool found = false;
    for (const Segment& seg : file->segments_) found |= seg.target == pair[0] && seg.center == pair[1];
    if (!found) {
      *reason = "no Chebyshev segment for body " + std::to_string(pair[0]) + " relative to " +
                std::to_string(pair[1]);
      return nullptr;
    }
  }
  return file;
}

const SpkFile::Segment* SpkFile::find(int target, int center, double tdb_seconds) const {
  for (const Segment& seg : segments_) {
    if (seg.target == target && seg.center == center && tdb_seconds >= seg.start &&
        tdb_seconds <= seg.end) {
      return &seg;
    }
  }
  return nullptr;
}

bool SpkFile::position(int target, int center, double tdb_seconds, Vec3* out) const {
  const Segment* seg = find(target, center, tdb_seconds);
  if (seg == nullptr) return false;
  int index = static_cast<int>(std::floor((tdb_seconds - seg->init) / seg->interval));
  if (index < 0) index = 0;
  if (index >= seg->record_count) index = seg->record_count - 1;
  const double* rec = seg->records.data() + static_cast<std::size_t>(index) * seg->record_size;
  const double s = (tdb_seconds - rec[0]) / rec[1];
  const int ncoef = (seg->record_size - 2) / 3;
  for (int axis = 0; axis < 3; ++axis) {
    const double* c = rec + 2 + axis * ncoef;
    // Clenshaw summation of the Chebyshev series.
    double b1 = 0.0, b2 = 0.0;
    for (int k = ncoef - 1; k >= 1; --k) {
      const double b0 = 2.0 * s * b1 - b2 + c[k];
      b2 = b1;
      b1 = b0;
    }
    (*out)[axis] = s * b1 - b2 + c[0];
  }
  return true;
}

bool SpkFile::sun_moon(double tdb_seconds, Vec3* sun, Vec3* moon) const {
  Vec3 sun_ssb, emb_ssb, earth_emb, moon_emb;
  if (!position(kSpkSun, kSpkSolarSystemBarycenter, tdb_seconds, &sun_ssb) ||
      !position(kSpkEarthMoonBarycenter, kSpkSolarSystemBarycenter, tdb_seconds, &emb_ssb) ||
      !position(kSpkEarth, kSpkEarthMoonBarycenter, tdb_seconds, &earth_emb) ||
      !position(kSpkMoon, kSpkEarthMoonBarycenter, tdb_seconds, &moon_emb)) {
    return false;
  }
  *sun = sun_ssb - emb_ssb - earth_emb;
  *moon = moon_emb - earth_emb;
  return true;
}

}  // namespace saal::detail
