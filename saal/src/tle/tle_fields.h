// Fixed-column fields of two-line element text: strict readers (a field
// that is not a well-formed number is an error, never a silent zero) and
// writers for the decimal, implied-decimal and exponent forms.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace saal::tle {

// Columns are 1-based and inclusive, as element-set text is documented.
std::string_view columns(std::string_view line, int first, int last);

// "123.4567", "-.00000084", "  12": optional sign, digits, at most one
// point. A blank field is 0 only when `blank_is_zero`.
std::optional<double> read_decimal(std::string_view field, bool blank_is_zero);

// "1859667" -> 0.1859667: digits only, a point implied before them.
std::optional<double> read_implied_decimal(std::string_view field);

// " 28098-4" -> 0.28098e-4: mantissa sign, digits with an implied point,
// exponent sign (blank or "+" for positive) and one exponent digit.
std::optional<double> read_exponent(std::string_view field);

// Unsigned integer field, blanks around it allowed; blank gives 0.
std::optional<long> read_integer(std::string_view field);

// Satellite number: up to five digits, or the alpha-5 form (A-Z without I
// and O for 10..33, then four digits) for 100000..339999.
std::optional<long> read_satellite_number(std::string_view field);

// Five-column satellite number, alpha-5 above 99999; nullopt if too large.
std::optional<std::string> write_satellite_number(long number);

// "+.NNNNNNNN" in ten columns with a blank for "+"; nullopt if |value| >= 1.
std::optional<std::string> write_signed_fraction(double value);

// Eight columns "SMMMMMSE" (blank mantissa sign for positive, blank
// exponent sign for a non-negative exponent; zero is " 00000-0").
// nullopt if the exponent does not fit one digit.
std::optional<std::string> write_exponent(double value);

// The check digit of a line: digits count their value, "-" counts 1,
// everything else 0, over the first 68 columns; modulo 10.
int check_digit(std::string_view line);

}  // namespace saal::tle
