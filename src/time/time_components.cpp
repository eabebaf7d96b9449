#include "time/time_components.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace qv {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      pieces.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return pieces;
}

std::string without_z(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != 'Z') out.push_back(c);
  }
  return out;
}

// An optional sign ("+", or "-" where allowed) and one or more ASCII digits.
std::optional<std::int32_t> read_integer(std::string_view field, bool minus_allowed) {
  bool negative = false;
  if (!field.empty() && (field.front() == '+' || (minus_allowed && field.front() == '-'))) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  if (field.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// A decimal float with optional sign, fraction and exponent, or the texts of
// infinity and not-a-number; nothing else, no blanks.
std::optional<double> read_seconds(std::string_view field) {
  bool negative = false;
  if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  if (field.empty() || field.front() == '+' || field.front() == '-') return std::nullopt;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (end != field.data() + field.size()) return std::nullopt;
  // A well-formed number beyond the float range reads as infinity or zero.
  if (ec == std::errc::result_out_of_range) {
    value = std::strtod(std::string(field).c_str(), nullptr);
  } else if (ec != std::errc{}) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

// Control characters are escaped: a zero byte would cut the message short.
std::string quoted(std::string_view text) {
  constexpr std::size_t kShown = 64;
  std::string out = "'";
  for (char c : text.substr(0, kShown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  if (text.size() > kShown) out += "...";
  return out + "'";
}

Error iso_error(std::string_view text, const std::string& why) {
  return fail("Invalid ISO time " + quoted(text) + ": " + why);
}

}  // namespace

std::string TimeComponents::to_iso() const {
  const int n = std::snprintf(nullptr, 0, "%04d-%02d-%02dT%02d:%02d:%06.3f", year, month, day,
                              hour, minute, second);
  std::string text(static_cast<std::size_t>(n), '\0');
  std::snprintf(text.data(), text.size() + 1, "%04d-%02d-%02dT%02d:%02d:%06.3f", year, month, day,
                hour, minute, second);
  return text;
}

Result<TimeComponents> TimeComponents::from_iso(std::string_view text) {
  const auto halves = split(text, 'T');
  if (halves.size() < 2) return iso_error(text, "no 'T' between date and time");
  const auto date = split(halves[0], '-');
  if (date.size() < 3) return iso_error(text, "the date needs year-month-day");
  const std::string time_text = without_z(halves[1]);
  const auto time = split(time_text, ':');
  if (time.size() < 3) return iso_error(text, "the time needs hour:minute:second");

  static constexpr const char* kNames[] = {"year", "month", "day", "hour", "minute"};
  const std::string_view fields[] = {date[0], date[1], date[2], time[0], time[1]};
  std::int32_t values[5] = {};
  for (int i = 0; i < 5; ++i) {
    const auto v = read_integer(fields[i], i >= 3);
    if (!v) return iso_error(text, std::string(kNames[i]) + " " + quoted(fields[i]) +
                                       " is not a 32-bit integer");
    values[i] = *v;
  }
  const auto second = read_seconds(time[2]);
  if (!second) return iso_error(text, "second " + quoted(time[2]) + " is not a number");
  return TimeComponents{values[0], values[1], values[2], values[3], values[4], *second};
}

std::string TimeComponents::repr() const {
  char number[512];
  const auto [end, ec] = std::to_chars(number, number + sizeof number, second,
                                       std::chars_format::fixed);
  const std::string seconds = ec == std::errc{} ? std::string(number, end) : std::to_string(second);
  return "TimeComponents(year=" + std::to_string(year) + ", month=" + std::to_string(month) +
         ", day=" + std::to_string(day) + ", hour=" + std::to_string(hour) +
         ", minute=" + std::to_string(minute) + ", second=" + seconds + ")";
}

bool TimeComponents::operator==(const TimeComponents& other) const {
  return year == other.year && month == other.month && day == other.day && hour == other.hour &&
         minute == other.minute &&
         std::fabs(second - other.second) < std::numeric_limits<double>::epsilon();
}

}  // namespace qv
