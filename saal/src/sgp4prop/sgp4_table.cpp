// The SGP4 table and the per-call propagation operations.
//
// A row holds the initialised model (immutable), so propagation only reads
// the table: the lookup takes one shard's shared lock, never a global one.
#include "sgp4_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "../common/keyed_table.h"
#include "../common/last_error.h"
#include "saal/earth_models.h"

namespace saal {
namespace sgp4 {
namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kDegPerRad = 180.0 / std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// rev/day per rad/min, in the form element sets are converted with.
constexpr double kRevDayPerRadMin = 1440.0 / kTwoPi;

detail::KeyedTable<Sgp4Row>& rows() {
  static detail::KeyedTable<Sgp4Row> table;
  return table;
}

double wrap_deg(double rad) {
  double deg = std::fmod(rad * kDegPerRad, 360.0);
  if (deg < 0.0) deg += 360.0;
  return deg;
}

}  // namespace

std::shared_ptr<const Sgp4Row> find_row(Key sat_key, const char* caller) {
  auto row = rows().find(sat_key);
  if (!row) {
    detail::set_last_error(std::string(caller) + ": key " + std::to_string(sat_key) +
                           " is not initialised for SGP4 (Sgp4InitSat)");
  }
  return row;
}

bool mean_elements_from_array(const tle::ElementArray& xa, MeanElements& el, std::string& error) {
  const double type = xa[XA_TLE_EPHTYPE];
  el = MeanElements{};
  el.epoch_ds50_utc = xa[XA_TLE_EPOCH];
  el.mean_motion = xa[XA_TLE_MNMOTN] / kRevDayPerRadMin;
  el.eccentricity = xa[XA_TLE_ECCEN];
  el.inclination = xa[XA_TLE_INCLI] * kRadPerDeg;
  el.node = xa[XA_TLE_NODE] * kRadPerDeg;
  el.argument_of_perigee = xa[XA_TLE_OMEGA] * kRadPerDeg;
  el.mean_anomaly = xa[XA_TLE_MNANOM] * kRadPerDeg;
  if (type == TLETYPE_SGP) {
    el.kozai = true;
    el.bstar = xa[XA_TLE_BSTAR];
  } else if (type == TLETYPE_SGP4) {
    el.bstar = xa[XA_TLE_BSTAR];
  } else if (type == TLETYPE_XP) {
    // No public theory exists for this element type: it is propagated with
    // SGP4 on its Brouwer mean elements, drag taken from the B-term.
    el.bstar = xa[XA_TLE_BTERM] / kBtermPerBstar;
  } else if (type == TLETYPE_SP) {
    error = "element type 6 (osculating) cannot be propagated by SGP4";
    return false;
  } else {
    char buf[64];
    std::snprintf(buf, sizeof buf, "element type %g is not one of 0, 2, 4", type);
    error = buf;
    return false;
  }
  return true;
}

std::string failure_message(const char* caller, const Sgp4Row& row, double minutes,
                            Failure failure) {
  char buf[96];
  std::snprintf(buf, sizeof buf, " at %.6f min from epoch: ", minutes);
  return std::string(caller) + ": satellite " + std::to_string(row.satellite_number) + buf +
         failure_text(failure);
}

bool propagate_row(const Sgp4Row& row, double ds50_utc, const char* caller, State& state) {
  return propagate_row_minutes(row, (ds50_utc - row.model.epoch_ds50_utc) * kMinutesPerDay,
                               caller, state);
}

bool propagate_row_minutes(const Sgp4Row& row, double minutes, const char* caller,
                           State& state) {
  if (!std::isfinite(minutes)) {
    detail::set_last_error(std::string(caller) + ": time is not a finite number");
    return false;
  }
  const Failure failure = propagate(row.model, minutes, state);
  if (failure != Failure::kNone) {
    detail::set_last_error(failure_message(caller, row, minutes, failure));
    return false;
  }
  return true;
}

}  // namespace sgp4

int Sgp4InitSat(Key sat_key) {
  sgp4::Sgp4Row row;
  char xs[kTextBufferSize] = {};
  if (TleDataToArray(sat_key, row.xa.data(), xs) != 0) {
    return detail::fail("Sgp4InitSat: no element set is loaded under key " +
                        std::to_string(sat_key));
  }
  row.xs = xs;
  row.satellite_number = static_cast<long>(row.xa[XA_TLE_SATNUM]);
  sgp4::MeanElements elements;
  std::string error;
  if (!sgp4::mean_elements_from_array(row.xa, elements, error)) {
    return detail::fail("Sgp4InitSat: satellite " + std::to_string(row.satellite_number) + ": " +
                        error);
  }
  // A set that fails at epoch is still entered: each propagation then
  // reports its own failure. Only a set that admits no model is refused.
  const sgp4::Failure failure = sgp4::initialise(elements, row.model);
  if (row.model.unusable != sgp4::Failure::kNone) {
    return detail::fail(sgp4::failure_message("Sgp4InitSat", row, 0.0, failure));
  }
  if (!sgp4::rows().insert_at(sat_key, std::move(row))) {
    return detail::fail("Sgp4InitSat: key " + std::to_string(sat_key) +
                        " is already initialised for SGP4");
  }
  return 0;
}

int Sgp4RemoveSat(Key sat_key) {
  if (!sgp4::rows().erase(sat_key)) {
    return detail::fail("Sgp4RemoveSat: key " + std::to_string(sat_key) +
                        " is not initialised for SGP4");
  }
  return 0;
}

int Sgp4RemoveAllSats() {
  sgp4::rows().clear();
  return 0;
}

int Sgp4GetCount() { return static_cast<int>(sgp4::rows().size()); }

int Sgp4PropDs50UtcPosVel(Key sat_key, double pos[3], double vel[3], double ds50_utc) {
  const auto row = sgp4::find_row(sat_key, "Sgp4PropDs50UtcPosVel");
  if (!row) return 1;
  sgp4::State state;
  if (!sgp4::propagate_row(*row, ds50_utc, "Sgp4PropDs50UtcPosVel", state)) return 1;
  std::copy(state.position_km, state.position_km + 3, pos);
  std::copy(state.velocity_km_s, state.velocity_km_s + 3, vel);
  return 0;
}

int Sgp4PropAll(Key sat_key, int time_type, double out[64], double time) {
  std::fill(out, out + XA_SGP4OUT_SIZE, 0.0);
  const auto row = sgp4::find_row(sat_key, "Sgp4PropAll");
  if (!row) return 1;
  const sgp4::Model& m = row->model;
  double minutes = time;
  double ds50_utc = time;
  if (time_type == SGP4_TIMETYPE_MSE) {
    ds50_utc = m.epoch_ds50_utc + time / kMinutesPerDay;
  } else if (time_type == SGP4_TIMETYPE_DS50UTC) {
    minutes = (time - m.epoch_ds50_utc) * kMinutesPerDay;
  } else {
    return detail::fail("Sgp4PropAll: time type " + std::to_string(time_type) +
                        " is not 0 (minutes since epoch) or 1 (days since 1950 UTC)");
  }
  sgp4::State s;
  if (!sgp4::propagate_row_minutes(*row, minutes, "Sgp4PropAll", s)) return 1;
  const double re = kWgs72.radius_km;

  out[XA_SGP4OUT_DS50UTC] = ds50_utc;
  out[XA_SGP4OUT_MSE] = minutes;
  // Revolutions counted at ascending-node crossings of the mean orbit.
  const double u0 = m.mo + m.argpo;
  const double u = u0 + (m.mdot + m.argpdot) * minutes;
  out[XA_SGP4OUT_REVNUM] =
      row->xa[XA_TLE_REVNUM] + std::floor(u / sgp4::kTwoPi) - std::floor(u0 / sgp4::kTwoPi);
  std::copy(s.position_km, s.position_km + 3, out + XA_SGP4OUT_POSX);
  std::copy(s.velocity_km_s, s.velocity_km_s + 3, out + XA_SGP4OUT_VELX);
  XYZToLLHTime(s.position_km, out + XA_SGP4OUT_LAT, ds50_utc);

  const double a_km = s.mean_semi_major_axis_er * re;
  out[XA_SGP4OUT_MN_PERIOD] = sgp4::kTwoPi / s.mean_motion;
  out[XA_SGP4OUT_MN_APOGEE] = a_km * (1.0 + s.mean_eccentricity) - re;
  out[XA_SGP4OUT_MN_PERIGEE] = a_km * (1.0 - s.mean_eccentricity) - re;
  out[XA_SGP4OUT_MN_A] = a_km;
  out[XA_SGP4OUT_MN_E] = s.mean_eccentricity;
  out[XA_SGP4OUT_MN_INCLI] = s.mean_inclination * sgp4::kDegPerRad;
  out[XA_SGP4OUT_MN_MA] = sgp4::wrap_deg(s.mean_anomaly);
  out[XA_SGP4OUT_MN_NODE] = sgp4::wrap_deg(s.mean_node);
  out[XA_SGP4OUT_MN_OMEGA] = sgp4::wrap_deg(s.mean_argument_of_perigee);
  PosVelToKep(s.position_km, s.velocity_km_s, out + XA_SGP4OUT_OSC_A);
  return 0;
}

}  // namespace saal
