// Geocentric Sun and Moon in TEME (km) at a UTC instant. With a JPL SPK file
// set, positions come from it (its ICRF axes taken as the J2000 mean equator
// and equinox: the 23 mas frame bias is left out, as everywhere in the
// IAU-1976/1980 chain), then turned to TEME; otherwise, or outside the file or
// the chosen window, from the analytic series of analytic_sun_moon.cpp.
// The loaded file is shared read-only; replacing it is atomic for readers.
#include <cmath>
#include <erfa.h>
#include <memory>
#include <mutex>
#include <string>

#include "../common/last_error.h"
#include "../common/text.h"
#include "analytic_sun_moon.h"
#include "precession_nutation.h"
#include "saal/saal.h"
#include "spk_file.h"
#include "vec3.h"

namespace saal {
namespace {

using namespace detail;

struct JplSettings {
  std::shared_ptr<const SpkFile> file;
  double start_ds50_utc = 0.0;
  double end_ds50_utc = 0.0;
};

std::mutex g_mutex;
std::shared_ptr<const JplSettings> g_settings;

std::shared_ptr<const JplSettings> current_settings() {
  std::lock_guard lock(g_mutex);
  return g_settings;
}

constexpr double kJ2000Jd = 2451545.0;

}  // namespace

int JplSetParameters(const char* path, double start_ds50_utc, double end_ds50_utc) {
  const std::string file_path = path == nullptr ? std::string() : read_text(path);
  if (!std::isfinite(start_ds50_utc) || !std::isfinite(end_ds50_utc) ||
      !(start_ds50_utc < end_ds50_utc)) {
    return fail("JplSetParameters: the time window must be finite with start before end");
  }
  std::string reason;
  auto file = SpkFile::open(file_path, &reason);
  if (!file) {
    return fail("JplSetParameters: cannot use JPL ephemeris file '" + file_path + "': " + reason);
  }
  auto settings = std::make_shared<const JplSettings>(
      JplSettings{std::move(file), start_ds50_utc, end_ds50_utc});
  std::lock_guard lock(g_mutex);
  g_settings = std::move(settings);
  return 0;
}

int JplCompSunMoonPos(double sun_pos[3], double moon_pos[3], double ds50_utc) {
  sun_pos[0] = sun_pos[1] = sun_pos[2] = moon_pos[0] = moon_pos[1] = moon_pos[2] = 0.0;
  if (!std::isfinite(ds50_utc)) return fail("JplCompSunMoonPos: time must be a finite number");
  double jd1 = 0.0, jd2 = 0.0;
  tai_ds50_to_tt_jd(UTCToTAI(ds50_utc), &jd1, &jd2);
  const DateRotations rot = date_rotations(jd1, jd2);

  Vec3 sun, moon;
  const auto settings = current_settings();
  const bool in_window = settings && ds50_utc >= settings->start_ds50_utc &&
                         ds50_utc <= settings->end_ds50_utc;
  // TDB - TT by ERFA's full series at the geocentre (periodic, <= 1.7 ms).
  const double tdb_seconds = ((jd1 - kJ2000Jd) + jd2) * 86400.0 + eraDtdb(jd1, jd2, 0, 0, 0, 0);
  if (in_window && settings->file->sun_moon(tdb_seconds, &sun, &moon)) {
    store3(mul(rot.teme_from_j2000, sun), sun_pos);
    store3(mul(rot.teme_from_j2000, moon), moon_pos);
    return 0;
  }
  analytic_sun_moon(jd1, jd2, &sun, &moon);
  store3(mul(rot.teme_from_mean_of_date, sun), sun_pos);
  store3(mul(rot.teme_from_mean_of_date, moon), moon_pos);
  return 0;
}

}  // namespace saal
