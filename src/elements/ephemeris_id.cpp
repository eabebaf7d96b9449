// The cache key of an ephemeris built for a start, an end and a step.
#include <charconv>
#include <string>

#include "elements/ephemeris.h"
#include "time/epoch.h"

namespace qv {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Shortest decimal form that reads back to the same number, never with an
// exponent, zero-padded after any sign to at least four characters.
std::string step_text(double seconds) {
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, seconds,
                                 std::chars_format::fixed).ptr;
  std::string digits(buffer, end);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.erase(0, 1);
  const std::size_t width = negative ? 3 : 4;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

Result<std::string> construct_ephemeris_id(double start_day, double end_day, double step_days) {
  // The calendar reading of each bare day count, whatever its time system.
  auto start = Epoch{start_day, TimeSystem::UTC}.to_iso();
  if (!start) return start.error();
  auto end = Epoch{end_day, TimeSystem::UTC}.to_iso();
  if (!end) return end.error();
  return *start + "_" + *end + "_" + step_text(step_days * kSecondsPerDay);
}

}  // namespace qv
