// Date-time-group (DTG) text forms shared by the DTG writers and the reader.
#pragma once

namespace saal::detail {

// Two-digit DTG years 57-99 are 1957-1999, 00-56 are 2000-2056.
inline constexpr int kTwoDigitYearFirst = 1957;
inline constexpr int kTwoDigitYearLast = 2056;

// Four-digit DTG years.
inline constexpr int kFourDigitYearFirst = 0;
inline constexpr int kFourDigitYearLast = 9999;

inline constexpr long long kMillisecondsPerDay = 86400000;
// DTG17 prints the day of year with eight decimals.
inline constexpr long long kDtg17UnitsPerDay = 100000000;

}  // namespace saal::detail
