// Sun and Moon positions: analytic series, the SPK reader and its errors.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "check.h"
#include "common/last_error.h"
#include "saal/saal.h"

namespace {

constexpr double kDay = 26000.25;

double norm3(const double* a) { return std::hypot(a[0], a[1], a[2]); }

double angle_deg(const double* a, const double* b) {
  const double c = (a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) / (norm3(a) * norm3(b));
  return std::acos(std::fmin(1.0, c)) * 180.0 / 3.141592653589793;
}

// DE421 as shipped by the skyfield-data package in the repository's venv.
std::string find_de421() {
  if (const char* env = std::getenv("QUORVANE_DE421")) return env;
  const std::filesystem::path venv = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / ".venv" / "lib";
  std::error_code ec;
  for (const auto& dir : std::filesystem::directory_iterator(venv, ec)) {
    const auto candidate = dir.path() / "site-packages" / "skyfield_data" / "data" / "de421.bsp";
    if (std::filesystem::exists(candidate)) return candidate.string();
  }
  return {};
}

std::string write_file(const char* name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

}  // namespace

TEST(analytic_sun_and_moon_are_at_plausible_distances) {
  double sun[3], moon[3];
  CHECK(saal::JplCompSunMoonPos(sun, moon, kDay) == 0);
  CHECK(norm3(sun) > 1.47e8 && norm3(sun) < 1.53e8);
  CHECK(norm3(moon) > 3.5e5 && norm3(moon) < 4.1e5);
}

TEST(missing_and_corrupt_files_are_refused_with_the_path) {
  CHECK(saal::JplSetParameters("/nonexistent/de421.bsp", 3653.0, 36525.0) != 0);
  CHECK(saal::detail::last_error().find("/nonexistent/de421.bsp") != std::string::npos);

  const std::string junk = write_file("qv_junk.bsp", std::string(4000, 'x'));
  CHECK(saal::JplSetParameters(junk.c_str(), 3653.0, 36525.0) != 0);
  CHECK(saal::detail::last_error().find("not an SPK") != std::string::npos);

  std::string header(1024, '\0');
  header.replace(0, 8, "DAF/SPK ");
  header.replace(88, 8, "LTL-IEEE");
  const int nd = 2, ni = 6, fward = 9;
  header.replace(8, 4, reinterpret_cast<const char*>(&nd), 4);
  header.replace(12, 4, reinterpret_cast<const char*>(&ni), 4);
  header.replace(76, 4, reinterpret_cast<const char*>(&fward), 4);
  const std::string truncated = write_file("qv_truncated.bsp", header);
  CHECK(saal::JplSetParameters(truncated.c_str(), 3653.0, 36525.0) != 0);
  CHECK(saal::detail::last_error().find("truncated") != std::string::npos);
  std::remove(junk.c_str());
  std::remove(truncated.c_str());

  double sun[3], moon[3];
  CHECK(saal::JplCompSunMoonPos(sun, moon, kDay) == 0);
  CHECK(saal::JplCompSunMoonPos(sun, moon, std::nan("")) != 0);
}

TEST(de421_positions_agree_with_the_analytic_series) {
  const std::string path = find_de421();
  if (path.empty()) {
    std::printf("  (skipped: no de421.bsp; install skyfield-data or set QUORVANE_DE421)\n");
    return;
  }
  double sun_a[3], moon_a[3], sun_j[3], moon_j[3];
  CHECK(saal::JplCompSunMoonPos(sun_a, moon_a, kDay) == 0);
  CHECK(saal::JplSetParameters(path.c_str(), 3653.0, 36525.0) == 0);
  CHECK(saal::JplCompSunMoonPos(sun_j, moon_j, kDay) == 0);
  CHECK(angle_deg(sun_a, sun_j) < 0.01);
  CHECK(angle_deg(moon_a, moon_j) < 0.1);
  CHECK(angle_deg(sun_a, sun_j) > 0.0);
  // Outside the chosen window the analytic series answers again.
  double sun_o[3], moon_o[3];
  CHECK(saal::JplSetParameters(path.c_str(), 3653.0, 20000.0) == 0);
  CHECK(saal::JplCompSunMoonPos(sun_o, moon_o, kDay) == 0);
  for (int k = 0; k < 3; ++k) CHECK(sun_o[k] == sun_a[k] && moon_o[k] == moon_a[k]);
}
