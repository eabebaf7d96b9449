// Reading two element lines into the element array and element text.
//
// Line 1: satellite number 3-7, classification 8, designator 10-17, epoch
// year 19-20 and day 21-32, n-dot/2 34-43, n-dot-dot/6 45-52, B* 54-61,
// element type 63, element-set number 65-68, check digit 69.
// Line 2: satellite number 3-7, inclination 9-16, node 18-25, eccentricity
// 27-33, argument of perigee 35-42, mean anomaly 44-51, mean motion 53-63,
// revolution number 64-68, check digit 69.
// Type 4 sets carry the solar-radiation term (AGOM) in 45-52 and the
// ballistic B-term in 54-61; type 6 sets carry the B-term, the
// outgassing parameter and AGOM in the three derivative/drag fields.
#include <cmath>
#include <optional>
#include <string>

#include "saal/saal.h"
#include "tle_fields.h"
#include "tle_text.h"

namespace saal::tle {
namespace {

constexpr int kMinLength = 69;
constexpr int kMaxLength = 80;

std::string_view trim_end(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n' ||
                        s.back() == '\t')) {
    s.remove_suffix(1);
  }
  return s;
}

class Reader {
 public:
  Reader(int line_number, std::string_view line, std::string& error)
      : line_number_(line_number), line_(line), error_(error) {}

  bool fail(int first, int last, const char* what, const char* why) {
    error_ = "TleLinesToArray: line " + std::to_string(line_number_) + " columns " +
             std::to_string(first) + "-" + std::to_string(last) + " (" + what + "): " + why +
             ": '" + std::string(columns(line_, first, last)) + "'";
    return false;
  }

  template <class T>
  bool get(std::optional<T> value, int first, int last, const char* what, T& out) {
    if (!value) return fail(first, last, what, "not a valid number");
    out = *value;
    return true;
  }

  bool decimal(int first, int last, const char* what, double& out, bool blank_is_zero = false) {
    return get(read_decimal(columns(line_, first, last), blank_is_zero), first, last, what, out);
  }
  bool exponent(int first, int last, const char* what, double& out) {
    return get(read_exponent(columns(line_, first, last)), first, last, what, out);
  }
  bool integer(int first, int last, const char* what, long& out) {
    return get(read_integer(columns(line_, first, last)), first, last, what, out);
  }
  bool angle(int first, int last, const char* what, double max_deg, double& out) {
    if (!decimal(first, last, what, out)) return false;
    if (out < 0.0 || out > max_deg) return fail(first, last, what, "angle out of range");
    return true;
  }

 private:
  int line_number_;
  std::string_view line_;
  std::string& error_;
};

bool check_shape(int number, std::string_view line, std::string& error) {
  const std::string prefix = "TleLinesToArray: line " + std::to_string(number);
  if (line.size() < kMinLength || line.size() > kMaxLength) {
    error = prefix + " has " + std::to_string(line.size()) + " characters, expected 69 (up to " +
            "80 with trailing columns)";
    return false;
  }
  if (line[0] != static_cast<char>('0' + number) || line[1] != ' ') {
    error = prefix + " must start with \"" + std::to_string(number) + " \", got '" +
            std::string(line.substr(0, 2)) + "'";
    return false;
  }
  for (std::size_t k = 0; k < line.size(); ++k) {
    const auto c = static_cast<unsigned char>(line[k]);
    if (c < 0x20 || c > 0x7e) {
      error = prefix + " column " + std::to_string(k + 1) +
              " holds a character that is not printable ASCII (code " + std::to_string(c) + ")";
      return false;
    }
  }
  if (line[68] < '0' || line[68] > '9') {
    error = prefix + " column 69 (check digit) is not a digit: '" + std::string(1, line[68]) + "'";
    return false;
  }
  return true;
}

bool parse_line1(std::string_view line, ElementArray& xa, std::string& xs, std::string& error) {
  Reader r(1, line, error);
  long satnum = 0;
  if (!r.get(read_satellite_number(columns(line, 3, 7)), 3, 7, "satellite number", satnum)) {
    return false;
  }
  long year2 = 0;
  double day = 0.0;
  const std::string_view year_field = columns(line, 19, 20);
  if (year_field[0] < '0' || year_field[0] > '9' || year_field[1] < '0' || year_field[1] > '9') {
    return r.fail(19, 20, "epoch year", "not two digits");
  }
  year2 = (year_field[0] - '0') * 10 + (year_field[1] - '0');
  if (!r.decimal(21, 32, "epoch day of year", day)) return false;
  if (!(day >= 1.0 && day < 367.0)) return r.fail(21, 32, "epoch day of year", "out of range");
  const int year = static_cast<int>(year2 < 57 ? 2000 + year2 : 1900 + year2);
  // Whole day and fraction are added separately: the sum is then the
  // correctly rounded day count, not the rounding of a rounded day of year.
  const double whole_day = std::floor(day);
  double fraction = 0.0;
  const std::string_view day_field = columns(line, 21, 32);
  const std::size_t point = day_field.find('.');
  if (point != std::string_view::npos) {
    fraction = read_decimal(day_field.substr(point), true).value_or(day - whole_day);
  }
  const double epoch = YrDaysToUTC(year, whole_day) + fraction;
  if (!std::isfinite(epoch)) return r.fail(19, 32, "epoch", "not a valid date");

  double field34 = 0.0, field45 = 0.0, field54 = 0.0;
  if (!r.decimal(34, 43, "first derivative of mean motion", field34, true)) return false;
  if (!(std::fabs(field34) < 1.0)) {
    return r.fail(34, 43, "first derivative of mean motion", "magnitude must be below 1");
  }
  if (!r.exponent(45, 52, "second derivative of mean motion", field45)) return false;
  if (!r.exponent(54, 61, "drag term", field54)) return false;
  long type = 0, elset = 0;
  if (!r.integer(63, 63, "element type", type)) return false;
  if (!r.integer(65, 68, "element set number", elset)) return false;

  xa[XA_TLE_SATNUM] = static_cast<double>(satnum);
  xa[XA_TLE_EPOCH] = epoch;
  xa[XA_TLE_EPHTYPE] = static_cast<double>(type);
  xa[XA_TLE_ELSETNUM] = static_cast<double>(elset);
  if (type == TLETYPE_XP) {
    xa[XA_TLE_NDOT] = field34;
    xa[XA_TLE_AGOMGP] = field45;
    xa[XA_TLE_BTERM] = field54;
  } else {
    // Types 0 and 2 (n-dot, n-dot-dot, B*) and type 6 (B-term, outgassing,
    // AGOM) share the three slots.
    xa[XA_TLE_NDOT] = field34;
    xa[XA_TLE_NDOTDOT] = field45;
    xa[XA_TLE_BSTAR] = field54;
  }

  std::string designator(columns(line, 10, 17));
  designator.resize(12, ' ');
  xs = std::string(1, line[7]) + designator + " ";
  return true;
}

bool parse_line2(std::string_view line, ElementArray& xa, std::string& error) {
  Reader r(2, line, error);
  long satnum = 0;
  if (!r.get(read_satellite_number(columns(line, 3, 7)), 3, 7, "satellite number", satnum)) {
    return false;
  }
  if (static_cast<double>(satnum) != xa[XA_TLE_SATNUM]) {
    return r.fail(3, 7, "satellite number", "differs from line 1");
  }
  double incl = 0, node = 0, ecc = 0, argp = 0, mean_anomaly = 0, mean_motion = 0;
  long revnum = 0;
  if (!r.angle(9, 16, "inclination", 180.0, incl)) return false;
  if (!r.angle(18, 25, "right ascension of the ascending node", 360.0, node)) return false;
  if (!r.get(read_implied_decimal(columns(line, 27, 33)), 27, 33, "eccentricity", ecc)) {
    return false;
  }
  if (!r.angle(35, 42, "argument of perigee", 360.0, argp)) return false;
  if (!r.angle(44, 51, "mean anomaly", 360.0, mean_anomaly)) return false;
  if (!r.decimal(53, 63, "mean motion", mean_motion)) return false;
  if (!(mean_motion >= 0.0 && mean_motion < 100.0)) {
    return r.fail(53, 63, "mean motion", "out of range [0, 100) rev/day");
  }
  if (!r.integer(64, 68, "revolution number", revnum)) return false;
  xa[XA_TLE_INCLI] = incl;
  xa[XA_TLE_NODE] = node;
  xa[XA_TLE_ECCEN] = ecc;
  xa[XA_TLE_OMEGA] = argp;
  xa[XA_TLE_MNANOM] = mean_anomaly;
  xa[XA_TLE_MNMOTN] = mean_motion;
  xa[XA_TLE_REVNUM] = static_cast<double>(revnum);
  return true;
}

}  // namespace

bool parse_lines(std::string_view line1, std::string_view line2, ElementArray& xa,
                 std::string& xs, std::string& error) {
  xa.fill(0.0);
  xs.clear();
  line1 = trim_end(line1);
  line2 = trim_end(line2);
  const bool ok = check_shape(1, line1, error) && check_shape(2, line2, error) &&
                  parse_line1(line1, xa, xs, error) && parse_line2(line2, xa, error);
  if (!ok) {
    xa.fill(0.0);
    xs.clear();
  }
  return ok;
}

}  // namespace saal::tle
