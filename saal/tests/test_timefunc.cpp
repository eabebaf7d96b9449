// Time operations of the layer. Reference numbers come from pyerfa 2.0.1.5
// (eraDtf2d + eraUtctai/eraTaitt, eraGmst82) and astropy 8.0 with
// the IERS files of astropy-iers-data (Time.delta_ut1_utc), computed once and
// written here.
#include <atomic>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "check.h"
#include "common/last_error.h"
#include "saal/saal.h"
#include "timefunc/time_constants.h"

namespace {

constexpr double kMicrosecondInDays = 1e-6 / 86400.0;

double ds50(int y, int mo, int d, int h, int mi, double s) {
  return saal::TimeComps2ToUTC(y, mo, d, h, mi, s);
}

std::string dtg(void (*writer)(char*, double), double day) {
  char text[saal::kTextBufferSize] = {};
  writer(text, day);
  return text;
}

std::string last_error() {
  char text[saal::kTextBufferSize] = {};
  saal::GetLastErrMsg(text);
  return text;
}

std::string write_temp_file(const char* name, const std::string& content) {
  const std::string path = std::string("/tmp/saal_test_") + name;
  std::ofstream(path) << content;
  return path;
}

// Tests that load files put the built-in table back, leaving no trace.
void restore_default_time_constants() { saal::detail::use_default_time_constants(); }

}  // namespace

// TAI day counts from eraUtctai(eraDtf2d("UTC", ...)), around leap seconds and
// in the drifting UTC of the 1960s. Tolerance 1 us: a day count near 25000
// resolves 0.3 us.
TEST(time_utc_to_tai_matches_erfa) {
  struct Case {
    int y, mo, d, h, mi;
    double s, tai;
  };
  const Case cases[] = {
      {2016, 12, 31, 23, 59, 59.0, 24473.000405092593},
      {2017, 1, 1, 0, 0, 0.0, 24473.00042824074},
      {2017, 1, 1, 0, 0, 1.0, 24473.000439814816},
      {1972, 6, 30, 23, 59, 59.0, 8218.000104166667},
      {1972, 7, 1, 0, 0, 0.0, 8218.000127314815},
      {1961, 7, 31, 12, 0, 0.0, 4230.500019640301},
      {1968, 2, 1, 6, 0, 0.0, 6606.250071601042},
      {1971, 12, 31, 23, 59, 59.0, 8036.000102919467},
      {1972, 1, 1, 0, 0, 0.0, 8036.0001157407405},
      {1960, 1, 1, 0, 0, 0.0, 3653.0000109199304},
  };
  for (const Case& c : cases) {
    const double utc = ds50(c.y, c.mo, c.d, c.h, c.mi, c.s);
    CHECK_NEAR(saal::UTCToTAI(utc), c.tai, kMicrosecondInDays);
    CHECK_NEAR(saal::TAIToUTC(c.tai), utc, kMicrosecondInDays);
    // TT = TAI + 32.184 s exactly.
    CHECK_NEAR(saal::UTCToET(utc), c.tai + 32.184 / 86400.0, kMicrosecondInDays);
  }
}

TEST(time_tai_inside_a_leap_second_holds_utc_at_midnight) {
  const double midnight = ds50(2017, 1, 1, 0, 0, 0.0);
  const double tai_in_leap_second = midnight + 36.5 / 86400.0;
  CHECK(saal::TAIToUTC(tai_in_leap_second) == midnight);
  // Just before the inserted second UTC still reads the old day.
  CHECK_NEAR(saal::TAIToUTC(midnight + 35.5 / 86400.0), midnight - 0.5 / 86400.0,
             kMicrosecondInDays);
}

TEST(time_before_1960_utc_is_tai) {
  const double utc = ds50(1955, 6, 1, 0, 0, 0.0);
  CHECK(saal::UTCToTAI(utc) == utc);
  CHECK(saal::TAIToUTC(utc) == utc);
}

// UT1-UTC from astropy Time.delta_ut1_utc with the same IERS files; 10 us.
TEST(time_ut1_matches_astropy) {
  struct Case {
    int y, mo, d, h;
    double ut1_minus_utc_s;
  };
  const Case cases[] = {
      {2016, 12, 31, 12, -0.40824134454115113},  // interpolated across the leap second
      {2024, 5, 5, 6, -0.019683575},
      {1990, 7, 15, 18, -0.0572139},
      {2026, 11, 20, 0, -0.072453},  // predicted values
      {1966, 3, 19, 12, -0.03814355},
  };
  for (const Case& c : cases) {
    const double utc = ds50(c.y, c.mo, c.d, c.h, 0, 0.0);
    CHECK_NEAR((saal::UTCToUT1(utc) - utc) * 86400.0, c.ut1_minus_utc_s, 1e-5);
    CHECK_NEAR(saal::TAIToUT1(saal::UTCToTAI(utc)), saal::UTCToUT1(utc), kMicrosecondInDays);
  }
}

// astropy's pm_xy on the same data: 2024-05-05 06:00 is a quarter of the way
// from (0.01076, 0.41215) to (0.01172, 0.413832).
TEST(time_polar_motion_interpolates_daily_values) {
  double x = 0.0, y = 0.0;
  saal::UTCToPolarMotion(&x, &y, ds50(2024, 5, 5, 6, 0, 0.0));
  CHECK_NEAR(x, 0.011, 1e-12);
  CHECK_NEAR(y, 0.4125705, 1e-12);
  saal::UTCToPolarMotion(&x, &y, std::nan(""));
  CHECK(std::isnan(x) && std::isnan(y));
}

// FK5: the IAU 1982 mean sidereal time, pyerfa's gmst82 at the same UT1 date.
TEST(time_fk5_greenwich_angle_matches_erfa) {
  CHECK_NEAR(saal::ThetaGrnwchFK5(0.0), 1.7294474749070758, 1e-12);
  CHECK_NEAR(saal::ThetaGrnwchFK5(18262.5), 4.877758421017756, 1e-12);
  CHECK_NEAR(saal::ThetaGrnwchFK5(27000.25), 2.8242092061233564, 1e-12);
  CHECK_NEAR(saal::ThetaGrnwchFK5(12345.678), 4.741273483246658, 1e-12);
}

// FK4 mean sidereal time trails eraGmst82 by the FK4-FK5 equinox offset,
// 0.035 s + 0.085 s per century from 1950, an offset formula that holds to
// 0.1 ms of time (7e-9 rad) over 1950-2050.
TEST(time_fk4_greenwich_angle_is_fk5_mean_less_equinox_offset) {
  struct Case {
    double day, gmst82;
  };
  const Case cases[] = {{0.0, 1.7294474749070758},
                        {18262.5, 4.877758421017756},
                        {27000.25, 2.8242092061233564},
                        {12345.678, 4.741273483246658}};
  for (const Case& c : cases) {
    const double centuries = (c.day - 1.0) / 36525.0;
    const double offset_rad = (0.035 + 0.085 * centuries) * (2.0 * M_PI / 86400.0);
    CHECK_NEAR(saal::ThetaGrnwchFK4(c.day), c.gmst82 - offset_rad, 1e-8);
  }
}

TEST(time_calendar_components_round_trip) {
  CHECK(ds50(1950, 1, 1, 0, 0, 0.0) == 1.0);
  CHECK(ds50(2000, 1, 1, 12, 0, 0.0) == 18263.5);
  CHECK(ds50(1900, 3, 1, 0, 0, 0.0) - ds50(1900, 2, 28, 0, 0, 0.0) == 1.0);  // no 1900-02-29
  CHECK(ds50(2000, 3, 1, 0, 0, 0.0) - ds50(2000, 2, 28, 0, 0, 0.0) == 2.0);
  struct Case {
    int y, mo, d, h, mi;
    double s;
  };
  const Case cases[] = {{2024, 2, 29, 23, 59, 59.9995}, {1949, 12, 31, 0, 0, 0.0},
                        {2056, 12, 31, 23, 59, 59.999}, {1, 1, 1, 0, 0, 0.0},
                        {2023, 12, 31, 12, 30, 30.5}};
  for (const Case& c : cases) {
    int y, mo, d, h, mi;
    double s;
    saal::UTCToTimeComps2(&y, &mo, &d, &h, &mi, &s, ds50(c.y, c.mo, c.d, c.h, c.mi, c.s));
    CHECK(y == c.y && mo == c.mo && d == c.d && h == c.h && mi == c.mi);
    CHECK_NEAR(s, c.s, 1e-6);
  }
}

TEST(time_impossible_calendar_readings_fail) {
  const double bad[] = {ds50(2024, 13, 1, 0, 0, 0.0),  ds50(2024, 1, 32, 0, 0, 0.0),
                        ds50(2023, 2, 29, 0, 0, 0.0),  ds50(2024, 1, 1, 24, 0, 0.0),
                        ds50(2024, 1, 1, 12, 60, 0.0), ds50(2024, 1, 1, 12, 0, 60.0),
                        ds50(2024, 1, 1, 0, 0, std::nan("")), ds50(2024, 0, 1, 0, 0, 0.0)};
  for (double v : bad) CHECK(std::isnan(v));
  CHECK(last_error().find("TimeComps2ToUTC") == 0);
  // A leap second reads 23:59:60.x.
  CHECK(ds50(2016, 12, 31, 23, 59, 60.5) == ds50(2017, 1, 1, 0, 0, 0.5));

  int y = 1, mo = 1, d = 1, h = 1, mi = 1;
  double s = 1.0;
  saal::UTCToTimeComps2(&y, &mo, &d, &h, &mi, &s, INFINITY);
  CHECK(y == 0 && mo == 0 && s == 0.0);
  CHECK(last_error().find("UTCToTimeComps2") == 0);
}

TEST(time_day_of_year_forms) {
  int year = 0;
  double doy = 0.0;
  saal::UTCToYrDays(&year, &doy, ds50(2024, 12, 31, 18, 0, 0.0));
  CHECK(year == 2024);
  CHECK(doy == 366.75);
  CHECK(saal::YrDaysToUTC(2024, 366.75) == ds50(2024, 12, 31, 18, 0, 0.0));
  CHECK(saal::YrDaysToUTC(1960, 1.0) == 3653.0);
  CHECK(std::isnan(saal::YrDaysToUTC(2023, 366.0)));
  CHECK(std::isnan(saal::YrDaysToUTC(2023, 0.5)));
}

TEST(time_dtg_writers) {
  const double t = ds50(2024, 1, 5, 0, 7, 30.0);
  CHECK(dtg(saal::UTCToDTG20, t) == "2024/005 0007 30.000");
  CHECK(dtg(saal::UTCToDTG19, t) == "2024Jan05000730.000");
  CHECK(dtg(saal::UTCToDTG17, t) == "2024/005.00520833");
  CHECK(dtg(saal::UTCToDTG15, t) == "24005000730.000");
  CHECK(dtg(saal::UTCToDTG15, ds50(1957, 1, 1, 0, 0, 0.0)) == "57001000000.000");
}

TEST(time_dtg_rounding_carries_instead_of_printing_60) {
  const double last_half_ms = ds50(2023, 12, 31, 23, 59, 59.9996);
  CHECK(dtg(saal::UTCToDTG20, last_half_ms) == "2024/001 0000 00.000");
  CHECK(dtg(saal::UTCToDTG19, last_half_ms) == "2024Jan01000000.000");
  CHECK(dtg(saal::UTCToDTG15, last_half_ms) == "24001000000.000");
  CHECK(dtg(saal::UTCToDTG17, ds50(2024, 12, 31, 23, 59, 59.9999)) == "2025/001.00000000");
  CHECK(dtg(saal::UTCToDTG20, ds50(2024, 2, 29, 12, 59, 59.9995)) == "2024/060 1300 00.000");
  CHECK(dtg(saal::UTCToDTG20, ds50(2024, 2, 29, 12, 59, 59.9994)) == "2024/060 1259 59.999");
}

TEST(time_dtg_writers_refuse_years_they_cannot_hold) {
  CHECK(dtg(saal::UTCToDTG15, ds50(2057, 1, 1, 0, 0, 0.0)).empty());
  CHECK(last_error().find("UTCToDTG15") == 0);
  CHECK(dtg(saal::UTCToDTG15, ds50(1956, 12, 31, 0, 0, 0.0)).empty());
  CHECK(dtg(saal::UTCToDTG20, ds50(10000, 1, 1, 0, 0, 0.0)).empty());
  CHECK(dtg(saal::UTCToDTG19, std::nan("")).empty());
  CHECK(dtg(saal::UTCToDTG17, INFINITY).empty());
}

TEST(time_dtg_reader_reads_every_written_form) {
  void (*writers[])(char*, double) = {saal::UTCToDTG20, saal::UTCToDTG19, saal::UTCToDTG17,
                                      saal::UTCToDTG15};
  const double instants[] = {ds50(2024, 2, 29, 23, 59, 59.9995), ds50(1957, 1, 1, 0, 0, 0.0),
                             ds50(2056, 12, 31, 23, 59, 59.999), ds50(2000, 12, 31, 12, 34, 56.789),
                             ds50(1999, 12, 31, 23, 59, 59.9996)};
  constexpr double kHalfMillisecond = 0.5e-3 / 86400.0;  // DTG17 resolves 0.43 ms
  for (double t : instants) {
    for (auto writer : writers) {
      const std::string text = dtg(writer, t);
      const double back = saal::DTGToUTC(text.c_str());
      CHECK_NEAR(back, t, kHalfMillisecond + 1e-12);
      CHECK(dtg(writer, back) == text);
    }
  }
  const double before_two_digit_years = ds50(1950, 1, 1, 0, 0, 0.0);
  CHECK(saal::DTGToUTC(dtg(saal::UTCToDTG20, before_two_digit_years).c_str()) == 1.0);
}

TEST(time_dtg_reader_accepts_variants) {
  const double t = ds50(2024, 1, 5, 0, 7, 30.0);
  CHECK(saal::DTGToUTC("24005.00520833") == saal::DTGToUTC("2024/005.00520833"));
  CHECK(saal::DTGToUTC("  2024JAN05000730.000 ") == t);
  CHECK(saal::DTGToUTC("2024jan05000730") == t);
  CHECK(saal::DTGToUTC("2024/005 0007 30") == t);
  CHECK(saal::DTGToUTC("24005") == ds50(2024, 1, 5, 0, 0, 0.0));
  CHECK(saal::DTGToUTC("56001000000.000") == ds50(2056, 1, 1, 0, 0, 0.0));
  CHECK(saal::DTGToUTC("2016/366 2359 60.500") == ds50(2017, 1, 1, 0, 0, 0.5));
}

TEST(time_dtg_reader_rejects_malformed_text) {
  const char* bad[] = {"",
                       "hello",
                       "2024/005 0007 30.000x",
                       "2023/366.5",
                       "2024/000 0000 00.000",
                       "2024/005 2400 00.000",
                       "2024/005 1260 00.000",
                       "2024/005 1200 60.000",
                       "2024Foo05000730.000",
                       "2024Feb30000730.000",
                       "24005000730.0.0",
                       "2400500073",
                       "24005.-5",
                       "2024/005  0007 30.000",
                       "+2024/005 0007 30.000"};
  for (const char* text : bad) {
    const double v = saal::DTGToUTC(text);
    CHECK(std::isnan(v));
    if (!std::isnan(v)) std::printf("  read \"%s\" as %.17g\n", text, v);
  }
  saal::DTGToUTC("2023/366.5");
  CHECK(last_error().find("DTGToUTC: \"2023/366.5\"") == 0);
  CHECK(saal::DTGToUTC("2024/366.5") == ds50(2024, 12, 31, 12, 0, 0.0));
}

TEST(time_constants_file_layouts) {
  // Two records in fixed columns, one whitespace-separated; the UT1-UTC jump
  // of +1 s at the 2017 leap second is interpolated as a smooth UT1.
  const std::string path = write_temp_file(
      "tcon_layouts.txt",
      "* year doy  TAI-UTC   UT1-UTC   rate(ms/d) x(\")      y(\")\n"
      "2016 366    36.000-0.4000000   -1.0000  0.100000  0.300000\n"
      "\n"
      "2017   1    37.000 0.5980000   -1.0000  0.102000  0.304000\n"
      "# free form\n"
      "2017 3 37 0.596 -1.0 0.104 0.308\n");
  CHECK(saal::TConLoadFile(path.c_str()) == 0);
  CHECK(saal::IsTConFileLoaded() == 1);

  const double dec31_noon = ds50(2016, 12, 31, 12, 0, 0.0);
  // UT1-TAI goes from -36.4 to -36.402: at noon -36.401, so UT1-UTC -0.401.
  // 1 us: the resolution of a day count near 25000.
  CHECK_NEAR((saal::UTCToUT1(dec31_noon) - dec31_noon) * 86400.0, -0.401, 1e-6);
  const double jan2 = ds50(2017, 1, 2, 0, 0, 0.0);
  CHECK_NEAR((saal::UTCToUT1(jan2) - jan2) * 86400.0, 0.597, 1e-6);
  // Past the last record the rate extrapolates: -1 ms/day for 2 days.
  const double jan5 = ds50(2017, 1, 5, 0, 0, 0.0);
  CHECK_NEAR((saal::UTCToUT1(jan5) - jan5) * 86400.0, 0.594, 1e-6);
  double x = 0.0, y = 0.0;
  saal::UTCToPolarMotion(&x, &y, jan2);
  CHECK_NEAR(x, 0.103, 1e-12);
  CHECK_NEAR(y, 0.306, 1e-12);
  // TAI-UTC comes from the records from their first date on.
  CHECK_NEAR((saal::UTCToTAI(jan2) - jan2) * 86400.0, 37.0, 1e-6);
  CHECK_NEAR((saal::UTCToTAI(ds50(2000, 1, 1, 0, 0, 0.0)) - ds50(2000, 1, 1, 0, 0, 0.0)) * 86400.0,
             32.0, 1e-6);
  restore_default_time_constants();
}

TEST(time_constants_bad_files_keep_the_table_in_force) {
  const double t = ds50(2024, 5, 5, 6, 0, 0.0);
  const double ut1_before = saal::UTCToUT1(t);
  struct Case {
    const char* name;
    const char* content;
    const char* error_tail;
  };
  const Case cases[] = {
      {"bad_number", "2024 1 37 0.1 0 0.1 0.2\n2024 2 37 0.1x 0 0.1 0.2\n", " line 2: "},
      {"bad_day", "2023 366 37 0.1 0 0.1 0.2\n", " line 1: no day 366 in year 2023"},
      {"order", "2024 2 37 0.1 0 0.1 0.2\n2024 2 37 0.1 0 0.1 0.2\n", " line 2: date does not"},
      {"empty", "# nothing\n\n", ": no time-constant records"},
      {"nan", "2024 1 37 nan 0 0.1 0.2\n", " line 1: "},
  };
  for (const Case& c : cases) {
    const std::string path = write_temp_file(c.name, c.content);
    CHECK(saal::TConLoadFile(path.c_str()) != 0);
    CHECK(last_error().find("TConLoadFile: " + path + c.error_tail) == 0);
    CHECK(saal::UTCToUT1(t) == ut1_before);
  }
  CHECK(saal::TConLoadFile("/nonexistent/tcon.txt") != 0);
  CHECK(last_error().find("TConLoadFile: cannot open /nonexistent/tcon.txt") == 0);
  CHECK(saal::UTCToUT1(t) == ut1_before);
}

TEST(time_constants_reload_while_other_threads_read) {
  const std::string path =
      write_temp_file("tcon_threads.txt", "2024 1 37 0.25 0 0.1 0.2\n2024 366 37 0.25 0 0.1 0.2\n");
  const double t = ds50(2024, 6, 1, 0, 0, 0.0);
  const double built_in = saal::UTCToUT1(t);
  const double loaded = t + 0.25 / 86400.0;
  std::atomic<bool> stop{false};
  std::atomic<int> unexpected{0};
  std::vector<std::thread> readers;
  for (int i = 0; i < 2; ++i) {
    readers.emplace_back([&] {
      while (!stop.load()) {
        const double v = saal::UTCToUT1(t);
        if (v != built_in && std::fabs(v - loaded) > 1e-11) ++unexpected;
      }
    });
  }
  for (int i = 0; i < 20; ++i) {
    CHECK(saal::TConLoadFile(path.c_str()) == 0);
    restore_default_time_constants();
  }
  stop = true;
  for (auto& r : readers) r.join();
  CHECK(unexpected.load() == 0);
}
