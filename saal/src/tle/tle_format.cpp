// Writing the element array and element text as two 68-column lines.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "saal/saal.h"
#include "tle_fields.h"
#include "tle_text.h"

namespace saal::tle {
namespace {

bool too_wide(std::string& error, const char* what, double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", value);
  error = std::string("TleGPArrayToLines: ") + what + " " + buf +
          " does not fit its element-set field";
  return false;
}

double wrap360(double deg) {
  double w = std::fmod(deg, 360.0);
  if (w < 0.0) w += 360.0;
  return w;
}

// "NNN.NNNN" in eight columns; false if the value does not fit.
bool write_angle(std::string& out, double deg) {
  char buf[32];
  const int n = std::snprintf(buf, sizeof buf, "%8.4f", deg);
  if (n != 8) return false;
  out += buf;
  return true;
}

bool is_whole(double v, double lo, double hi) {
  return std::isfinite(v) && v >= lo && v <= hi && v == std::floor(v);
}

}  // namespace

bool format_lines(const ElementArray& xa, std::string_view xs, Lines& lines, std::string& error) {
  lines = Lines{};
  for (int i = 0; i < XA_TLE_SIZE; ++i) {
    if (!std::isfinite(xa[static_cast<std::size_t>(i)])) {
      error = "TleGPArrayToLines: element array slot " + std::to_string(i) +
              " is not a finite number";
      return false;
    }
  }
  const double type = xa[XA_TLE_EPHTYPE];
  if (type != TLETYPE_SGP && type != TLETYPE_SGP4 && type != TLETYPE_XP && type != TLETYPE_SP) {
    return too_wide(error, "element type", type);
  }
  if (!is_whole(xa[XA_TLE_SATNUM], 0, 339999)) return too_wide(error, "satellite number", xa[0]);
  const std::string satnum = *write_satellite_number(static_cast<long>(xa[XA_TLE_SATNUM]));

  // Epoch as two-digit year and day of year with 8 decimals; a day that
  // rounds up into the next year is carried over.
  int year = 0;
  double day = 0.0;
  UTCToYrDays(&year, &day, xa[XA_TLE_EPOCH]);
  if (year < 1957 || year > 2056) return too_wide(error, "epoch year", year);
  double day_rounded = std::round(day * 1e8) / 1e8;
  const double days_in_year = YrDaysToUTC(year + 1, 1.0) - YrDaysToUTC(year, 1.0);
  if (day_rounded >= days_in_year + 1.0) {
    day_rounded -= days_in_year;
    ++year;
  }
  char epoch[32];
  std::snprintf(epoch, sizeof epoch, "%02d%012.8f", year % 100, day_rounded);

  double field34 = xa[XA_TLE_NDOT], field45 = xa[XA_TLE_NDOTDOT], field54 = xa[XA_TLE_BSTAR];
  if (type == TLETYPE_XP) {
    field45 = xa[XA_TLE_AGOMGP];
    field54 = xa[XA_TLE_BTERM];
  }
  const auto f34 = write_signed_fraction(field34);
  if (!f34) return too_wide(error, "first derivative of mean motion", field34);
  const auto f45 = write_exponent(field45);
  if (!f45) return too_wide(error, "second derivative of mean motion or AGOM", field45);
  const auto f54 = write_exponent(field54);
  if (!f54) return too_wide(error, "drag term", field54);

  const double elset = xa[XA_TLE_ELSETNUM];
  if (!is_whole(elset, 0, 1e12)) return too_wide(error, "element set number", elset);
  char tail[16];
  std::snprintf(tail, sizeof tail, " %d %4ld", static_cast<int>(type),
                static_cast<long>(elset) % 10000);

  std::string designator(xs.size() > 1 ? xs.substr(1, 12) : std::string_view{});
  while (!designator.empty() && designator.back() == ' ') designator.pop_back();
  while (!designator.empty() && designator.front() == ' ') designator.erase(0, 1);
  designator.resize(8, ' ');
  const char classification = xs.empty() || xs[0] == '\0' ? 'U' : xs[0];

  std::string& l1 = lines.line1;
  l1 = "1 " + satnum + classification + " " + designator + " " + epoch + " " + *f34 + " " +
       *f45 + " " + *f54 + tail;

  // Line 2.
  const double ecc = xa[XA_TLE_ECCEN];
  const double ecc_digits = std::round(ecc * 1e7);
  if (!(ecc >= 0.0 && ecc_digits < 1e7)) return too_wide(error, "eccentricity", ecc);
  const double n = xa[XA_TLE_MNMOTN];
  char motion[32];
  if (!(n >= 0.0) || std::snprintf(motion, sizeof motion, "%11.8f", n) != 11) {
    return too_wide(error, "mean motion", n);
  }
  const double rev = xa[XA_TLE_REVNUM];
  if (!is_whole(rev, 0, 1e12)) return too_wide(error, "revolution number", rev);
  std::string& l2 = lines.line2;
  l2 = "2 " + satnum + " ";
  if (!write_angle(l2, xa[XA_TLE_INCLI])) return too_wide(error, "inclination", xa[20]);
  l2 += " ";
  write_angle(l2, wrap360(xa[XA_TLE_NODE]));
  char ecc_text[16];
  std::snprintf(ecc_text, sizeof ecc_text, " %07ld ", static_cast<long>(ecc_digits));
  l2 += ecc_text;
  write_angle(l2, wrap360(xa[XA_TLE_OMEGA]));
  l2 += " ";
  write_angle(l2, wrap360(xa[XA_TLE_MNANOM]));
  char rev_text[16];
  std::snprintf(rev_text, sizeof rev_text, "%5ld", static_cast<long>(rev) % 100000);
  l2 += std::string(" ") + motion + rev_text;
  if (l1.size() != 68 || l2.size() != 68) {
    error = "TleGPArrayToLines: internal line width error";
    lines = Lines{};
    return false;
  }
  return true;
}

}  // namespace saal::tle
