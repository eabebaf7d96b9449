// Time-constants files. One dated record per line:
//   year, day of year, TAI-UTC (s), UT1-UTC (s), UT1-UTC rate (ms/day),
//   polar motion x (arcsec), polar motion y (arcsec)
// either as seven whitespace-separated fields or in fixed columns:
//   cols  1- 4 year            cols 19-28 UT1-UTC        cols 39-48 x
//   cols  6- 8 day of year     cols 29-38 UT1-UTC rate   cols 49-58 y
//   cols  9-18 TAI-UTC
// (fixed-column fields may run into each other, e.g. negative values filling
// their width). Blank lines and lines starting with '#' or '*' are comments.
// Dates must increase. UT1-UTC is interpolated linearly between records and
// extrapolated with the last record's rate; TAI-UTC is taken from the records
// from 1972 on (the built-in values before the first record). A file that
// cannot be read leaves the table in force unchanged.
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "../common/last_error.h"
#include "../common/text.h"
#include "calendar.h"
#include "saal/saal.h"
#include "time_constants.h"

namespace saal {
namespace {

std::atomic<bool> g_file_loaded{false};

struct FileRecord {
  int year = 0;
  int day_of_year = 0;
  double tai_minus_utc_s = 0.0;
  double ut1_minus_utc_s = 0.0;
  double ut1_rate_ms_per_day = 0.0;
  double x_arcsec = 0.0;
  double y_arcsec = 0.0;
};

struct Column {
  std::size_t first, last;  // 1-based, inclusive
};
constexpr Column kYearColumn{1, 4};
constexpr Column kDayColumn{6, 8};
constexpr Column kValueColumns[] = {{9, 18}, {19, 28}, {29, 38}, {39, 48}, {49, 58}};

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

template <typename T>
bool parse_number(std::string_view text, T& value) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return false;
  if constexpr (std::is_floating_point_v<T>) return std::isfinite(value);
  return true;
}

std::vector<std::string_view> split_blanks(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

double* value_slot(FileRecord& r, std::size_t i) {
  double* slots[] = {&r.tai_minus_utc_s, &r.ut1_minus_utc_s, &r.ut1_rate_ms_per_day, &r.x_arcsec,
                     &r.y_arcsec};
  return slots[i];
}

std::optional<FileRecord> read_free_form(std::string_view line) {
  const auto fields = split_blanks(line);
  FileRecord r;
  if (fields.size() != 7 || !parse_number(fields[0], r.year) ||
      !parse_number(fields[1], r.day_of_year)) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < 5; ++i) {
    if (!parse_number(fields[i + 2], *value_slot(r, i))) return std::nullopt;
  }
  return r;
}

std::string_view column(std::string_view line, Column c) {
  if (line.size() < c.first) return {};
  return line.substr(c.first - 1, c.last - c.first + 1);
}

std::optional<FileRecord> read_fixed_columns(std::string_view line, std::string& why) {
  FileRecord r;
  if (!parse_number(column(line, kYearColumn), r.year) ||
      !parse_number(column(line, kDayColumn), r.day_of_year)) {
    why = "expected seven numbers (year, day of year, TAI-UTC, UT1-UTC, UT1-UTC rate, x, y)";
    return std::nullopt;
  }
  static constexpr const char* kNames[] = {"TAI-UTC", "UT1-UTC", "UT1-UTC rate",
                                           "polar motion x", "polar motion y"};
  for (std::size_t i = 0; i < 5; ++i) {
    const Column c = kValueColumns[i];
    if (!parse_number(column(line, c), *value_slot(r, i))) {
      why = std::string(kNames[i]) + " (columns " + std::to_string(c.first) + "-" +
            std::to_string(c.last) + ") is not a number";
      return std::nullopt;
    }
  }
  return r;
}

std::string where(const std::string& path, int line_number) {
  return "TConLoadFile: " + path + " line " + std::to_string(line_number) + ": ";
}

}  // namespace

int TConLoadFile(const char* path_text) {
  const std::string path = detail::read_text(path_text);
  std::ifstream in(path);
  if (!in) return detail::fail("TConLoadFile: cannot open " + path + ": " + std::strerror(errno));

  std::vector<detail::TaiUtcStep> steps;
  std::vector<detail::EopRecord> records;
  std::string line;
  int line_number = 0;
  while (std::getline(in, line)) {
    ++line_number;
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#' || content.front() == '*') continue;
    std::string why;
    std::optional<FileRecord> r = read_free_form(line);
    if (!r) r = read_fixed_columns(line, why);
    if (!r) return detail::fail(where(path, line_number) + why);
    if (r->year < 1 || r->year > 9999 || r->day_of_year < 1 ||
        r->day_of_year > detail::days_in_year(r->year)) {
      return detail::fail(where(path, line_number) + "no day " + std::to_string(r->day_of_year) +
                          " in year " + std::to_string(r->year));
    }
    const double day =
        static_cast<double>(detail::day_count(r->year, 1, 1) + (r->day_of_year - 1));
    if (!records.empty() && day <= records.back().day) {
      return detail::fail(where(path, line_number) + "date does not follow the previous record's");
    }
    steps.push_back({day, r->tai_minus_utc_s});
    records.push_back(
        {day, r->ut1_minus_utc_s, r->ut1_rate_ms_per_day, r->x_arcsec, r->y_arcsec, 0.0});
  }
  if (in.bad()) {
    return detail::fail("TConLoadFile: " + path + ": read error after line " +
                        std::to_string(line_number));
  }
  if (records.empty()) return detail::fail("TConLoadFile: " + path + ": no time-constant records");

  // The built-in TAI-UTC history stands until the file's first record.
  std::vector<detail::TaiUtcStep> all_steps;
  for (const auto& s : detail::default_time_constants().tai_utc) {
    if (s.start < records.front().day) all_steps.push_back({s.start, s.offset_s});
  }
  all_steps.insert(all_steps.end(), steps.begin(), steps.end());
  detail::install_time_constants(detail::make_time_constants(all_steps, std::move(records)));
  g_file_loaded.store(true, std::memory_order_release);
  return 0;
}

int IsTConFileLoaded() { return g_file_loaded.load(std::memory_order_acquire) ? 1 : 0; }

}  // namespace saal
