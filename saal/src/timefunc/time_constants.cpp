#include "time_constants.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <utility>

#include "default_time_constants.h"
#include "saal/earth_models.h"

namespace saal::detail {
namespace {

// UTC from 1960 to 1972: TAI-UTC = offset + rate * (MJD - reference MJD),
// the published history of the UTC steps and frequency offsets.
struct DriftSegment {
  double start_mjd, offset_s, reference_mjd, rate_s_per_day;
};
constexpr DriftSegment kUtcBefore1972[] = {
    {36934, 1.4178180, 37300, 0.001296},   // 1960-01-01
    {37300, 1.4228180, 37300, 0.001296},   // 1961-01-01
    {37512, 1.3728180, 37300, 0.001296},   // 1961-08-01
    {37665, 1.8458580, 37665, 0.0011232},  // 1962-01-01
    {38334, 1.9458580, 37665, 0.0011232},  // 1963-11-01
    {38395, 3.2401300, 38761, 0.001296},   // 1964-01-01
    {38486, 3.3401300, 38761, 0.001296},   // 1964-04-01
    {38639, 3.4401300, 38761, 0.001296},   // 1964-09-01
    {38761, 3.5401300, 38761, 0.001296},   // 1965-01-01
    {38820, 3.6401300, 38761, 0.001296},   // 1965-03-01
    {38942, 3.7401300, 38761, 0.001296},   // 1965-07-01
    {39004, 3.8401300, 38761, 0.001296},   // 1965-09-01
    {39126, 4.3131700, 39126, 0.002592},   // 1966-01-01
    {39887, 4.2131700, 39126, 0.002592},   // 1968-02-01
};
constexpr double kSiUtcStart = 41317.0 - kDs50ToMjd;  // 1972-01-01

TaiUtcSegment make_segment(double start, double offset_s, double reference, double rate) {
  TaiUtcSegment s{start, offset_s, reference, rate, 0.0};
  s.start_tai = start + (offset_s + rate * (start - reference)) / kSecondsPerDay;
  return s;
}

double segment_offset_s(const TaiUtcSegment& s, double utc) {
  return s.offset_s + s.rate_s_per_day * (utc - s.reference);
}

// Index of the last record dated at or before `utc`; the caller has checked
// that `utc` lies strictly inside the records' span.
std::size_t record_before(const std::vector<EopRecord>& records, double utc) {
  const auto it = std::upper_bound(records.begin(), records.end(), utc,
                                   [](double d, const EopRecord& r) { return d < r.day; });
  return static_cast<std::size_t>(it - records.begin()) - 1;
}

struct Installed {
  std::mutex mutex;
  std::vector<std::unique_ptr<const TimeConstants>> tables;
};

Installed& installed() {
  static Installed instance;
  return instance;
}

std::atomic<const TimeConstants*> g_current{nullptr};

}  // namespace

TimeConstants make_time_constants(const std::vector<TaiUtcStep>& steps,
                                  std::vector<EopRecord> records) {
  TimeConstants tc;
  for (const auto& d : kUtcBefore1972) {
    tc.tai_utc.push_back(make_segment(d.start_mjd - kDs50ToMjd, d.offset_s,
                                      d.reference_mjd - kDs50ToMjd, d.rate_s_per_day));
  }
  for (const auto& step : steps) {
    if (step.day < kSiUtcStart) continue;
    const TaiUtcSegment& last = tc.tai_utc.back();
    if (last.start >= kSiUtcStart && last.offset_s == step.tai_minus_utc_s) continue;
    tc.tai_utc.push_back(make_segment(step.day, step.tai_minus_utc_s, step.day, 0.0));
  }
  for (auto& r : records) r.ut1_minus_tai_s = r.ut1_minus_utc_s - tai_minus_utc_s(tc, r.day);
  tc.eop = std::move(records);
  return tc;
}

const TimeConstants& default_time_constants() {
  static const TimeConstants table = [] {
    std::vector<TaiUtcStep> steps;
    for (std::size_t i = 0; i < kDefaultLeapStepCount; ++i) {
      steps.push_back({kDefaultLeapSteps[i].mjd - kDs50ToMjd,
                       static_cast<double>(kDefaultLeapSteps[i].tai_minus_utc_s)});
    }
    std::vector<EopRecord> records;
    records.reserve(kDefaultEopCount);
    for (std::size_t i = 0; i < kDefaultEopCount; ++i) {
      const DailyEop& e = kDefaultEop[i];
      records.push_back({kDefaultEopFirstMjd + static_cast<double>(i) - kDs50ToMjd,
                         e.ut1_minus_utc_100ns * 1e-7, 0.0, e.x_microarcsec * 1e-6,
                         e.y_microarcsec * 1e-6, 0.0});
    }
    return make_time_constants(steps, std::move(records));
  }();
  return table;
}

const TimeConstants& current_time_constants() {
  const TimeConstants* p = g_current.load(std::memory_order_acquire);
  return p != nullptr ? *p : default_time_constants();
}

void install_time_constants(TimeConstants table) {
  auto owned = std::make_unique<const TimeConstants>(std::move(table));
  Installed& all = installed();
  const std::lock_guard<std::mutex> lock(all.mutex);
  g_current.store(owned.get(), std::memory_order_release);
  all.tables.push_back(std::move(owned));
}

void use_default_time_constants() { g_current.store(nullptr, std::memory_order_release); }

double tai_minus_utc_s(const TimeConstants& tc, double utc) {
  const auto it = std::upper_bound(tc.tai_utc.begin(), tc.tai_utc.end(), utc,
                                   [](double d, const TaiUtcSegment& s) { return d < s.start; });
  if (it == tc.tai_utc.begin()) return 0.0;
  return segment_offset_s(*(it - 1), utc);
}

double utc_from_tai(const TimeConstants& tc, double tai) {
  const auto next = std::upper_bound(
      tc.tai_utc.begin(), tc.tai_utc.end(), tai,
      [](double d, const TaiUtcSegment& s) { return d < s.start_tai; });
  if (next == tc.tai_utc.begin()) return std::min(tai, tc.tai_utc.front().start);
  const TaiUtcSegment& s = *(next - 1);
  double utc;
  if (s.rate_s_per_day == 0.0) {
    utc = tai - s.offset_s / kSecondsPerDay;
  } else {
    utc = s.reference + (tai - s.reference - s.offset_s / kSecondsPerDay) /
                            (1.0 + s.rate_s_per_day / kSecondsPerDay);
  }
  if (next != tc.tai_utc.end() && utc >= next->start) utc = next->start;
  return utc;
}

double ut1_minus_tai_s(const TimeConstants& tc, double utc) {
  const EopRecord& first = tc.eop.front();
  const EopRecord& last = tc.eop.back();
  if (!(utc > first.day)) return first.ut1_minus_utc_s - tai_minus_utc_s(tc, utc);
  if (utc >= last.day) {
    const double ut1_utc = last.ut1_minus_utc_s + last.ut1_rate_ms_per_day * 1e-3 * (utc - last.day);
    return ut1_utc - tai_minus_utc_s(tc, utc);
  }
  const std::size_t i = record_before(tc.eop, utc);
  const EopRecord& a = tc.eop[i];
  const EopRecord& b = tc.eop[i + 1];
  const double f = (utc - a.day) / (b.day - a.day);
  return a.ut1_minus_tai_s + f * (b.ut1_minus_tai_s - a.ut1_minus_tai_s);
}

double ut1_minus_utc_s(const TimeConstants& tc, double utc) {
  return ut1_minus_tai_s(tc, utc) + tai_minus_utc_s(tc, utc);
}

void polar_motion_arcsec(const TimeConstants& tc, double utc, double& x, double& y) {
  const EopRecord& first = tc.eop.front();
  const EopRecord& last = tc.eop.back();
  if (!(utc > first.day) || utc >= last.day) {
    const EopRecord& end = utc >= last.day ? last : first;
    x = end.x_arcsec;
    y = end.y_arcsec;
    return;
  }
  const std::size_t i = record_before(tc.eop, utc);
  const EopRecord& a = tc.eop[i];
  const EopRecord& b = tc.eop[i + 1];
  const double f = (utc - a.day) / (b.day - a.day);
  x = a.x_arcsec + f * (b.x_arcsec - a.x_arcsec);
  y = a.y_arcsec + f * (b.y_arcsec - a.y_arcsec);
}

}  // namespace saal::detail
