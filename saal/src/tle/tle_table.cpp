// The element-set table: loaded element arrays and texts under keys, and the
// line conversions around it.
//
// Key mode 0 refuses a second set with the satellite number and epoch of a
// loaded one; the (number, epoch) index sits behind its own mutex, taken only
// when loading and removing, never when reading a set.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "../common/keyed_table.h"
#include "../common/last_error.h"
#include "../common/text.h"
#include "saal/saal.h"
#include "tle_fields.h"
#include "tle_text.h"

namespace saal {
namespace {

struct TleRow {
  tle::ElementArray xa;
  std::string xs;
};

using Identity = std::pair<double, double>;  // satellite number, epoch

struct TleTable {
  detail::KeyedTable<TleRow> rows;
  std::mutex identity_mutex;
  std::map<Identity, int> identities;
};

TleTable& table() {
  static TleTable t;
  return t;
}

std::string number_text(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

// Why an element array cannot be loaded, or empty if it can.
std::string array_problem(const tle::ElementArray& xa) {
  for (int i = 0; i < XA_TLE_SIZE; ++i) {
    if (!std::isfinite(xa[static_cast<std::size_t>(i)])) {
      return "element array slot " + std::to_string(i) + " is not a finite number";
    }
  }
  const double type = xa[XA_TLE_EPHTYPE];
  if (type != TLETYPE_SGP && type != TLETYPE_SGP4 && type != TLETYPE_XP && type != TLETYPE_SP) {
    return "element type " + number_text(type) + " is not one of 0, 2, 4, 6";
  }
  const double satnum = xa[XA_TLE_SATNUM];
  if (!(satnum >= 0.0 && satnum <= 339999.0 && satnum == std::floor(satnum))) {
    return "satellite number " + number_text(satnum) + " is not a whole number in 0..339999";
  }
  const double ecc = xa[XA_TLE_ECCEN];
  if (!(ecc >= 0.0 && ecc < 1.0)) return "eccentricity " + number_text(ecc) + " is not in [0, 1)";
  if (!(xa[XA_TLE_MNMOTN] > 0.0)) {
    return "mean motion " + number_text(xa[XA_TLE_MNMOTN]) + " is not positive";
  }
  return {};
}

tle::ElementArray copy_array(const double* xa) {
  tle::ElementArray a{};
  std::copy(xa, xa + XA_TLE_SIZE, a.begin());
  return a;
}

}  // namespace

int TleLinesToArray(const char* line1, const char* line2, double xa_tle[64], char* xs_tle_out) {
  if (xa_tle == nullptr) return detail::fail("TleLinesToArray: element array is missing");
  std::fill(xa_tle, xa_tle + XA_TLE_SIZE, 0.0);
  detail::write_text(xs_tle_out, "");
  if (line1 == nullptr || line2 == nullptr) {
    return detail::fail("TleLinesToArray: element line is missing");
  }
  tle::ElementArray xa{};
  std::string xs, error;
  if (!tle::parse_lines(detail::read_text(line1), detail::read_text(line2), xa, xs, error)) {
    return detail::fail(error);
  }
  std::copy(xa.begin(), xa.end(), xa_tle);
  detail::write_text(xs_tle_out, xs);
  return 0;
}

int TleGPArrayToLines(const double xa_tle[64], const char* xs_tle, char* line1_out,
                      char* line2_out) {
  detail::write_text(line1_out, "");
  detail::write_text(line2_out, "");
  if (xa_tle == nullptr) return detail::fail("TleGPArrayToLines: element array is missing");
  tle::Lines lines;
  std::string error;
  if (!tle::format_lines(copy_array(xa_tle), detail::read_text(xs_tle), lines, error)) {
    return detail::fail(error);
  }
  detail::write_text(line1_out, lines.line1);
  detail::write_text(line2_out, lines.line2);
  return 0;
}

Key TleAddSatFrArray(const double xa_tle[64], const char* xs_tle) {
  if (xa_tle == nullptr) {
    detail::set_last_error("TleAddSatFrArray: element array is missing");
    return 0;
  }
  TleRow row{copy_array(xa_tle), detail::read_text(xs_tle)};
  const std::string problem = array_problem(row.xa);
  if (!problem.empty()) {
    detail::set_last_error("TleAddSatFrArray: " + problem);
    return 0;
  }
  TleTable& t = table();
  const Identity id{row.xa[XA_TLE_SATNUM], row.xa[XA_TLE_EPOCH]};
  std::lock_guard lock(t.identity_mutex);
  if (GetAllKeyMode() == 0 && t.identities.count(id) > 0) {
    detail::set_last_error("TleAddSatFrArray: an element set of satellite " +
                           number_text(id.first) + " at epoch " + number_text(id.second) +
                           " (days since 1950 UTC) is already loaded and the key mode "
                           "refuses duplicates");
    return 0;
  }
  ++t.identities[id];
  return t.rows.insert(std::move(row));
}

int TleDataToArray(Key sat_key, double xa_tle[64], char* xs_tle_out) {
  const auto row = table().rows.find(sat_key);
  if (!row) {
    return detail::fail("TleDataToArray: no element set is loaded under key " +
                        std::to_string(sat_key));
  }
  if (xa_tle != nullptr) std::copy(row->xa.begin(), row->xa.end(), xa_tle);
  detail::write_text(xs_tle_out, row->xs);
  return 0;
}

int TleRemoveSat(Key sat_key) {
  TleTable& t = table();
  std::lock_guard lock(t.identity_mutex);
  const auto row = t.rows.find(sat_key);
  if (!row || !t.rows.erase(sat_key)) {
    return detail::fail("TleRemoveSat: no element set is loaded under key " +
                        std::to_string(sat_key));
  }
  const auto it = t.identities.find({row->xa[XA_TLE_SATNUM], row->xa[XA_TLE_EPOCH]});
  if (it != t.identities.end() && --it->second == 0) t.identities.erase(it);
  return 0;
}

int TleRemoveAllSats() {
  TleTable& t = table();
  std::lock_guard lock(t.identity_mutex);
  t.rows.clear();
  t.identities.clear();
  return 0;
}

int TleGetCount() { return static_cast<int>(table().rows.size()); }

void GetCheckSums(const char* line1, const char* line2, int* sum1, int* sum2, int* error) {
  int dummy = 0;
  int& err = error != nullptr ? *error : dummy;
  err = 0;
  if (sum1 != nullptr) *sum1 = 0;
  if (sum2 != nullptr) *sum2 = 0;
  const std::string l1 = detail::read_text(line1);
  const std::string l2 = detail::read_text(line2);
  for (const auto& [number, line] : {std::pair{1, &l1}, std::pair{2, &l2}}) {
    if (line->size() < 68) {
      err = detail::fail("GetCheckSums: line " + std::to_string(number) + " has " +
                         std::to_string(line->size()) + " characters, at least 68 needed");
      return;
    }
  }
  if (sum1 != nullptr) *sum1 = tle::check_digit(l1);
  if (sum2 != nullptr) *sum2 = tle::check_digit(l2);
}

}  // namespace saal
