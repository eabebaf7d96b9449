#include <cmath>
#include <cstring>
#include <string>

#include "check.h"
#include "saal/saal.h"

using saal::Key;

namespace {

// Verification case 00005 of the published SGP4 test set.
const char* kLine1 = "1 00005U 58002B   00179.78495062  .00000023  00000-0  28098-4 0  4753";
const char* kLine2 = "2 00005  34.2682 348.7242 1859667 331.7664  19.3264 10.82419157413667";

std::string last_error() {
  char text[saal::kTextBufferSize] = {};
  saal::GetLastErrMsg(text);
  return text;
}

// Lines as the element-set class shows them: "+" for blank exponent signs
// and the check digits appended.
std::string with_checks(std::string line, int sum) {
  if (line.size() > 59 && line[0] == '1') {
    if (line[50] == ' ') line[50] = '+';
    if (line[59] == ' ') line[59] = '+';
  }
  return line + std::to_string(sum);
}

bool all_zero(const double* xa) {
  for (int i = 0; i < 64; ++i) {
    if (xa[i] != 0.0) return false;
  }
  return true;
}

}  // namespace

TEST(tle_lines_fill_the_element_array) {
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(kLine1, kLine2, xa, xs) == 0);
  CHECK(xa[saal::XA_TLE_SATNUM] == 5.0);
  CHECK_NEAR(xa[saal::XA_TLE_EPOCH], saal::YrDaysToUTC(2000, 179.78495062), 1e-11);
  CHECK(xa[saal::XA_TLE_NDOT] == 0.00000023);
  CHECK(xa[saal::XA_TLE_BSTAR] == 0.28098e-4);
  CHECK(xa[saal::XA_TLE_INCLI] == 34.2682);
  CHECK(xa[saal::XA_TLE_NODE] == 348.7242);
  CHECK(xa[saal::XA_TLE_ECCEN] == 0.1859667);
  CHECK(xa[saal::XA_TLE_OMEGA] == 331.7664);
  CHECK(xa[saal::XA_TLE_MNANOM] == 19.3264);
  CHECK(xa[saal::XA_TLE_MNMOTN] == 10.82419157);
  CHECK(xa[saal::XA_TLE_REVNUM] == 41366.0);
  CHECK(xa[saal::XA_TLE_ELSETNUM] == 475.0);
  CHECK(std::string(xs) == "U58002B       ");
}

TEST(tle_lines_round_trip_through_the_arrays) {
  double xa[64];
  char xs[saal::kTextBufferSize] = {}, l1[saal::kTextBufferSize] = {},
       l2[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(kLine1, kLine2, xa, xs) == 0);
  CHECK(saal::TleGPArrayToLines(xa, xs, l1, l2) == 0);
  CHECK(std::strlen(l1) == 68 && std::strlen(l2) == 68);
  int s1 = -1, s2 = -1, error = -1;
  saal::GetCheckSums(l1, l2, &s1, &s2, &error);
  CHECK(error == 0);
  CHECK(with_checks(l1, s1) == kLine1);
  CHECK(with_checks(l2, s2) == kLine2);
}

TEST(tle_alpha5_numbers_read_and_write) {
  const char* a1 = "1 A0001U 58002B   00179.78495062  .00000023  00000-0  28098-4 0  4753";
  const char* a2 = "2 A0001  34.2682 348.7242 1859667 331.7664  19.3264 10.82419157413667";
  double xa[64];
  char xs[saal::kTextBufferSize] = {}, l1[saal::kTextBufferSize] = {},
       l2[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(a1, a2, xa, xs) == 0);
  CHECK(xa[saal::XA_TLE_SATNUM] == 100001.0);
  CHECK(saal::TleGPArrayToLines(xa, xs, l1, l2) == 0);
  CHECK(std::string(l1).substr(0, 8) == "1 A0001U");
  CHECK(std::string(l2).substr(0, 8) == "2 A0001 ");
  xa[saal::XA_TLE_SATNUM] = 339999.0;
  CHECK(saal::TleGPArrayToLines(xa, xs, l1, l2) == 0);
  CHECK(std::string(l1).substr(2, 5) == "Z9999");
  xa[saal::XA_TLE_SATNUM] = 340000.0;
  CHECK(saal::TleGPArrayToLines(xa, xs, l1, l2) != 0);
  CHECK(l1[0] == '\0' && l2[0] == '\0');
}

TEST(tle_broken_lines_fail_with_a_text_and_no_partial_array) {
  const std::string l1 = kLine1, l2 = kLine2;
  auto edit = [](std::string s, std::size_t pos, const std::string& with) {
    return s.replace(pos, with.size(), with);
  };
  const struct {
    std::string line1, line2, expected;
  } cases[] = {
      {l1.substr(0, 60), l2, "line 1 has 60 characters"},
      {l1, l2 + "  trailing junk beyond the card", "line 2 has"},
      {edit(l1, 35, "O"), l2, "columns 34-43"},
      {l1, edit(l2, 28, "x"), "columns 27-33 (eccentricity)"},
      {l1, edit(l2, 55, "A"), "columns 53-63 (mean motion)"},
      {edit(l1, 20, "1X"), l2, "columns 21-32"},
      {l2, l1, "line 1 must start with \"1 \""},
      {l1, edit(l2, 2, "00006"), "differs from line 1"},
      {edit(l1, 68, "x"), l2, "check digit"},
      {l1, edit(l2, 8, "234.2682"), "angle out of range"},
      {"", l2, "line 1 has 0 characters"},
  };
  for (const auto& c : cases) {
    double xa[64];
    char xs[saal::kTextBufferSize] = "stale";
    CHECK(saal::TleLinesToArray(c.line1.c_str(), c.line2.c_str(), xa, xs) != 0);
    CHECK(last_error().find(c.expected) != std::string::npos);
    CHECK(all_zero(xa));
    CHECK(xs[0] == '\0');
  }
}

TEST(tle_eighty_column_cards_ignore_columns_past_69) {
  const std::string card = std::string(kLine2) + "   4320.00 ";
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  CHECK(card.size() == 80);
  CHECK(saal::TleLinesToArray(kLine1, card.c_str(), xa, xs) == 0);
  CHECK(xa[saal::XA_TLE_REVNUM] == 41366.0);
}

TEST(tle_checksums_report_the_computed_digits) {
  std::string bad = kLine1;
  bad[68] = '0';  // the correct digit is 3
  int s1 = -1, s2 = -1, error = -1;
  saal::GetCheckSums(bad.c_str(), kLine2, &s1, &s2, &error);
  CHECK(error == 0);
  CHECK(s1 == 3 && s2 == 7);
  saal::GetCheckSums("1 00005U", kLine2, &s1, &s2, &error);
  CHECK(error != 0);
  CHECK(last_error().find("line 1 has 8 characters") != std::string::npos);
}

TEST(tle_table_loads_counts_and_removes) {
  saal::SetAllKeyMode(1);
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(kLine1, kLine2, xa, xs) == 0);
  const int before = saal::TleGetCount();
  const Key a = saal::TleAddSatFrArray(xa, xs);
  const Key b = saal::TleAddSatFrArray(xa, xs);
  CHECK(a > 0 && b > 0 && a != b);
  CHECK(saal::TleGetCount() == before + 2);
  double back[64];
  char xs_back[saal::kTextBufferSize] = {};
  CHECK(saal::TleDataToArray(a, back, xs_back) == 0);
  CHECK(back[saal::XA_TLE_ECCEN] == xa[saal::XA_TLE_ECCEN]);
  CHECK(std::string(xs_back) == xs);
  CHECK(saal::TleRemoveSat(a) == 0);
  CHECK(saal::TleRemoveSat(a) != 0);
  CHECK(last_error().find("no element set is loaded under key") != std::string::npos);
  CHECK(saal::TleDataToArray(a, back, xs_back) != 0);
  CHECK(saal::TleRemoveSat(b) == 0);
  CHECK(saal::TleGetCount() == before);
}

TEST(tle_key_mode_zero_refuses_duplicate_number_and_epoch) {
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(kLine1, kLine2, xa, xs) == 0);
  saal::SetAllKeyMode(0);
  const Key first = saal::TleAddSatFrArray(xa, xs);
  CHECK(first > 0);
  CHECK(saal::TleAddSatFrArray(xa, xs) <= 0);
  CHECK(last_error().find("already loaded") != std::string::npos);
  xa[saal::XA_TLE_EPOCH] += 1.0;
  const Key other_epoch = saal::TleAddSatFrArray(xa, xs);
  CHECK(other_epoch > 0);
  CHECK(saal::TleRemoveSat(first) == 0);
  xa[saal::XA_TLE_EPOCH] -= 1.0;
  const Key again = saal::TleAddSatFrArray(xa, xs);
  CHECK(again > 0);
  saal::TleRemoveSat(again);
  saal::TleRemoveSat(other_epoch);
  saal::SetAllKeyMode(1);
}

TEST(tle_table_refuses_arrays_it_cannot_hold) {
  double xa[64];
  char xs[saal::kTextBufferSize] = {};
  CHECK(saal::TleLinesToArray(kLine1, kLine2, xa, xs) == 0);
  const struct {
    int slot;
    double value;
    const char* expected;
  } cases[] = {
      {saal::XA_TLE_ECCEN, NAN, "slot 22 is not a finite number"},
      {saal::XA_TLE_EPHTYPE, 3.0, "element type 3"},
      {saal::XA_TLE_ECCEN, 1.0, "eccentricity 1"},
      {saal::XA_TLE_MNMOTN, 0.0, "mean motion 0"},
      {saal::XA_TLE_SATNUM, 5.5, "satellite number 5.5"},
  };
  for (const auto& c : cases) {
    double bad[64];
    std::memcpy(bad, xa, sizeof bad);
    bad[c.slot] = c.value;
    const int count = saal::TleGetCount();
    CHECK(saal::TleAddSatFrArray(bad, xs) <= 0);
    CHECK(last_error().find(c.expected) != std::string::npos);
    CHECK(saal::TleGetCount() == count);
  }
}
