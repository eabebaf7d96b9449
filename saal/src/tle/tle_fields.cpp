#include "tle_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace saal::tle {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::optional<double> parse_double(const std::string& text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Alpha-5 letters stand for 10..33, skipping I and O (read as digits).
int alpha5_value(char c) {
  if (c < 'A' || c > 'Z' || c == 'I' || c == 'O') return -1;
  int v = 10 + (c - 'A');
  if (c > 'I') --v;
  if (c > 'O') --v;
  return v;
}

char alpha5_letter(int value) {
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (alpha5_value(c) == value) return c;
  }
  return '?';
}

}  // namespace

std::string_view columns(std::string_view line, int first, int last) {
  const auto begin = static_cast<std::size_t>(first - 1);
  if (begin >= line.size()) return {};
  return line.substr(begin, static_cast<std::size_t>(last - first + 1));
}

std::optional<double> read_decimal(std::string_view field, bool blank_is_zero) {
  std::string_view s = trim(field);
  if (s.empty()) return blank_is_zero ? std::optional<double>(0.0) : std::nullopt;
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::string digits;
  int points = 0, count = 0;
  for (char c : s) {
    if (c == '.') {
      ++points;
    } else if (c >= '0' && c <= '9') {
      ++count;
    } else {
      return std::nullopt;
    }
    digits.push_back(c);
  }
  if (points > 1 || count == 0) return std::nullopt;
  if (digits.front() == '.') digits.insert(digits.begin(), '0');
  auto value = parse_double(digits);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::optional<double> read_implied_decimal(std::string_view field) {
  const std::string_view s = trim(field);
  if (!all_digits(s)) return std::nullopt;
  return parse_double("0." + std::string(s));
}

std::optional<double> read_exponent(std::string_view field) {
  if (trim(field).empty()) return 0.0;
  if (field.size() < 3) return std::nullopt;
  const std::string_view mantissa_part = field.substr(0, field.size() - 2);
  const char exp_sign = field[field.size() - 2];
  const char exp_digit = field[field.size() - 1];
  if (exp_sign != '+' && exp_sign != '-' && exp_sign != ' ') return std::nullopt;
  if (exp_digit < '0' || exp_digit > '9') return std::nullopt;
  std::string_view m = trim(mantissa_part);
  bool negative = false;
  if (!m.empty() && (m.front() == '+' || m.front() == '-')) {
    negative = m.front() == '-';
    m.remove_prefix(1);
  }
  if (!m.empty() && m.front() == '.') m.remove_prefix(1);
  if (!all_digits(m)) return std::nullopt;
  std::string text = "0." + std::string(m) + "e";
  text += exp_sign == '-' ? '-' : '+';
  text += exp_digit;
  auto value = parse_double(text);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::optional<long> read_integer(std::string_view field) {
  const std::string_view s = trim(field);
  if (s.empty()) return 0L;
  if (!all_digits(s)) return std::nullopt;
  return std::strtol(std::string(s).c_str(), nullptr, 10);
}

std::optional<long> read_satellite_number(std::string_view field) {
  if (field.size() == 5) {
    const int lead = alpha5_value(field[0]);
    if (lead >= 0) {
      const std::string_view rest = field.substr(1);
      if (!all_digits(rest)) return std::nullopt;
      return lead * 10000L + std::strtol(std::string(rest).c_str(), nullptr, 10);
    }
  }
  const std::string_view s = trim(field);
  if (!all_digits(s)) return std::nullopt;
  return std::strtol(std::string(s).c_str(), nullptr, 10);
}

std::optional<std::string> write_satellite_number(long number) {
  char buf[16];
  if (number >= 0 && number <= 99999) {
    std::snprintf(buf, sizeof buf, "%05ld", number);
    return std::string(buf);
  }
  if (number >= 100000 && number <= 339999) {
    std::snprintf(buf, sizeof buf, "%c%04ld", alpha5_letter(static_cast<int>(number / 10000)),
                  number % 10000);
    return std::string(buf);
  }
  return std::nullopt;
}

std::optional<std::string> write_signed_fraction(double value) {
  const double scaled = std::round(std::fabs(value) * 1e8);
  if (!(scaled < 1e8)) return std::nullopt;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%c.%08ld", value < 0.0 && scaled > 0.0 ? '-' : ' ',
                static_cast<long>(scaled));
  return std::string(buf);
}

std::optional<std::string> write_exponent(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // %.4e rounds to five significant digits: d.dddde+X -> 0.ddddd e(X+1).
  char sci[32];
  std::snprintf(sci, sizeof sci, "%.4e", std::fabs(value));
  const int exponent = std::atoi(sci + 7) + 1;
  const std::string digits = std::string(1, sci[0]) + std::string(sci + 2, 4);
  if (value == 0.0 || exponent < -9) return std::string(" 00000-0");
  if (exponent > 9) return std::nullopt;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%c%s%c%d", value < 0.0 ? '-' : ' ', digits.c_str(),
                exponent < 0 ? '-' : ' ', std::abs(exponent));
  return std::string(buf);
}

int check_digit(std::string_view line) {
  int sum = 0;
  const std::size_t n = line.size() < 68 ? line.size() : 68;
  for (std::size_t i = 0; i < n; ++i) {
    const char c = line[i];
    if (c >= '0' && c <= '9') sum += c - '0';
    if (c == '-') ++sum;
  }
  return sum % 10;
}

}  // namespace saal::tle
