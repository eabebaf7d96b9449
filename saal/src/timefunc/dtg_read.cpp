// The DTG reader. Reads every form the writers produce, with any number of
// decimals (or none) in the last field, and also YYDDD.DDDDDDDD:
//   YYYY/DDD HHMM SS.SSS   YYYYMonDDHHMMSS.SSS   YYYY/DDD.DDDDDDDD
//   YYDDDHHMMSS.SSS        YYDDD.DDDDDDDD
// Blanks around the text are ignored; anything else outside these layouts,
// or a field out of range, gives NaN and sets the last-error text.
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "../common/last_error.h"
#include "../common/text.h"
#include "calendar.h"
#include "dtg.h"
#include "saal/earth_models.h"
#include "saal/saal.h"

namespace saal {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A DTG read into its fields; `second` and `day_fraction` carry the decimals.
struct DtgFields {
  int year = 0;
  int day_of_year = 0;  // 0 when the month and day are given instead
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  double second = 0.0;
  double day_fraction = 0.0;
};

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool digits(int count, int& value) {
    if (text_.size() - pos_ < static_cast<std::size_t>(count)) return false;
    int v = 0;
    for (int i = 0; i < count; ++i) {
      const char c = text_[pos_ + i];
      if (c < '0' || c > '9') return false;
      v = v * 10 + (c - '0');
    }
    pos_ += count;
    value = v;
    return true;
  }

  bool literal(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  bool month_name(int& month) {
    if (text_.size() - pos_ < 3) return false;
    for (int m = 1; m <= 12; ++m) {
      const char* name = detail::month_abbreviation(m);
      bool same = true;
      for (int i = 0; i < 3; ++i) {
        same = same && std::tolower(static_cast<unsigned char>(text_[pos_ + i])) ==
                           std::tolower(static_cast<unsigned char>(name[i]));
      }
      if (same) {
        pos_ += 3;
        month = m;
        return true;
      }
    }
    return false;
  }

  // An optional "." and decimals ending the text, read as a number below 1.
  bool fraction_to_end(double& value) {
    value = 0.0;
    if (pos_ == text_.size()) return true;
    if (text_[pos_] != '.') return false;
    for (std::size_t i = pos_ + 1; i < text_.size(); ++i) {
      if (text_[i] < '0' || text_[i] > '9') return false;
    }
    const std::string number = "0" + std::string(text_.substr(pos_));
    pos_ = text_.size();
    return std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc{};
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

int two_digit_year(int yy) { return yy >= detail::kTwoDigitYearFirst % 100 ? 1900 + yy : 2000 + yy; }

bool read_seconds_to_end(Cursor& c, DtgFields& f) {
  int whole = 0;
  double fraction = 0.0;
  if (!c.digits(2, whole) || !c.fraction_to_end(fraction)) return false;
  f.second = whole + fraction;
  return true;
}

// YYYY/DDD HHMM SS.SSS or YYYY/DDD.DDDDDDDD
std::optional<DtgFields> read_slash_forms(std::string_view text) {
  Cursor c(text);
  DtgFields f;
  if (!c.digits(4, f.year) || !c.literal('/') || !c.digits(3, f.day_of_year)) return std::nullopt;
  const bool read = c.literal(' ') ? c.digits(2, f.hour) && c.digits(2, f.minute) &&
                                         c.literal(' ') && read_seconds_to_end(c, f)
                                   : c.fraction_to_end(f.day_fraction);
  return read ? std::optional(f) : std::nullopt;
}

// YYYYMonDDHHMMSS.SSS
std::optional<DtgFields> read_month_form(std::string_view text) {
  Cursor c(text);
  DtgFields f;
  const bool read = c.digits(4, f.year) && c.month_name(f.month) && c.digits(2, f.day) &&
                    c.digits(2, f.hour) && c.digits(2, f.minute) && read_seconds_to_end(c, f);
  return read ? std::optional(f) : std::nullopt;
}

// YYDDDHHMMSS.SSS or YYDDD.DDDDDDDD
std::optional<DtgFields> read_two_digit_year_forms(std::string_view text) {
  Cursor c(text);
  DtgFields f;
  int yy = 0;
  if (!c.digits(2, yy) || !c.digits(3, f.day_of_year)) return std::nullopt;
  f.year = two_digit_year(yy);
  const bool read = c.digits(2, f.hour) ? c.digits(2, f.minute) && read_seconds_to_end(c, f)
                                        : c.fraction_to_end(f.day_fraction);
  return read ? std::optional(f) : std::nullopt;
}

std::optional<std::string> range_error(const DtgFields& f) {
  if (f.day_of_year == 0) {
    return detail::calendar_reading_error(f.year, f.month, f.day, f.hour, f.minute, f.second);
  }
  if (f.day_of_year < 1 || f.day_of_year > detail::days_in_year(f.year)) {
    return "day of year " + std::to_string(f.day_of_year) + " is not a day of " +
           std::to_string(f.year);
  }
  return detail::calendar_reading_error(f.year, 1, 1, f.hour, f.minute, f.second);
}

double to_ds50(const DtgFields& f) {
  if (f.day_of_year == 0) {
    return detail::reading_to_ds50(f.year, f.month, f.day, f.hour, f.minute, f.second);
  }
  const double day_start =
      static_cast<double>(detail::day_count(f.year, 1, 1) + (f.day_of_year - 1));
  const double seconds = f.hour * 3600.0 + f.minute * 60.0 + f.second;
  return day_start + (f.day_fraction + seconds / kSecondsPerDay);
}

std::string_view trim_blanks(std::string_view s) {
  const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

double fail_nan(std::string_view text, const std::string& reason) {
  constexpr std::size_t kShown = 64;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  detail::set_last_error("DTGToUTC: \"" + shown + "\" " + reason);
  return kNaN;
}

}  // namespace

double DTGToUTC(const char* dtg) {
  const std::string raw = detail::read_text(dtg);
  const std::string_view text = trim_blanks(raw);
  std::optional<DtgFields> f = read_slash_forms(text);
  if (!f) f = read_month_form(text);
  if (!f) f = read_two_digit_year_forms(text);
  if (!f) return fail_nan(text, "is not a date-time group");
  if (auto error = range_error(*f)) return fail_nan(text, *error);
  return to_ds50(*f);
}

}  // namespace saal
