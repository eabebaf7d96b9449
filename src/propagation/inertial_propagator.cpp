#include "propagation/inertial_propagator.h"

#include <algorithm>
#include <array>
#include <string>

#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {
namespace {

std::string trimmed(const char* text) {
  std::string s(text);
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

void init_for_sgp4(const TLE& tle) {
  if (saal::Sgp4InitSat(tle.key()) != 0) throw TleFault(saal_last_error());
}

}  // namespace

InertialPropagator InertialPropagator::from_tle(TLE tle) {
  init_for_sgp4(tle);
  return InertialPropagator(std::move(tle));
}

InertialPropagator& InertialPropagator::operator=(InertialPropagator&& other) noexcept {
  if (this != &other) {
    retire();
    tle_ = std::move(other.tle_);
    other.tle_.reset();
  }
  return *this;
}

InertialPropagator::~InertialPropagator() { retire(); }

void InertialPropagator::retire() {
  // A moved-from set has key 0; the set's own release removes the element set.
  if (tle_ && tle_->key() != 0) saal::Sgp4RemoveSat(tle_->key());
  tle_.reset();
}

InertialPropagator InertialPropagator::copy() const { return from_tle(tle_->copy()); }

std::optional<CartesianState> InertialPropagator::get_cartesian_state_at_epoch(
    const Epoch& epoch) const {
  std::array<double, 3> pos{}, vel{};
  if (saal::Sgp4PropDs50UtcPosVel(tle_->key(), pos.data(), vel.data(), epoch.days_since_1950) !=
      0) {
    saal_last_error();
    return std::nullopt;
  }
  return CartesianState{epoch, {pos[0], pos[1], pos[2]}, {vel[0], vel[1], vel[2]},
                        ReferenceFrame::TEME};
}

std::optional<KeplerianState> InertialPropagator::get_keplerian_state_at_epoch(
    const Epoch& epoch) const {
  auto state = mean_state_at(epoch);
  if (!state) return std::nullopt;
  return std::move(state).value();
}

Result<KeplerianState> InertialPropagator::mean_state_at(const Epoch& epoch) const {
  double out[64] = {};
  if (saal::Sgp4PropAll(tle_->key(), saal::SGP4_TIMETYPE_DS50UTC, out, epoch.days_since_1950) !=
      0) {
    return saal_failure();
  }
  KeplerianElements el;
  el.semi_major_axis = out[saal::XA_SGP4OUT_MN_A];
  el.eccentricity = out[saal::XA_SGP4OUT_MN_E];
  el.inclination = out[saal::XA_SGP4OUT_MN_INCLI];
  el.raan = out[saal::XA_SGP4OUT_MN_NODE];
  el.argument_of_perigee = out[saal::XA_SGP4OUT_MN_OMEGA];
  el.mean_anomaly = out[saal::XA_SGP4OUT_MN_MA];
  return KeplerianState{epoch, el, ReferenceFrame::TEME, tle_->type()};
}

std::vector<std::optional<CartesianState>> InertialPropagator::get_cartesian_states_at_epochs(
    const std::vector<Epoch>& epochs) const {
  const std::size_t n = epochs.size();
  std::vector<double> days(n), x(n), y(n), z(n), vx(n), vy(n), vz(n);
  std::vector<int> errors(n);
  for (std::size_t i = 0; i < n; ++i) days[i] = epochs[i].days_since_1950;
  std::vector<std::optional<CartesianState>> states(n);
  if (saal::Sgp4PropDs50UtcBatch(tle_->key(), static_cast<int>(n), days.data(), x.data(),
                                 y.data(), z.data(), vx.data(), vy.data(), vz.data(),
                                 errors.data()) != 0) {
    saal_last_error();
    // A call refused as a whole flags no entry and leaves zero states.
    if (std::all_of(errors.begin(), errors.end(), [](int e) { return e == 0; })) return states;
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (errors[i] != 0) continue;
    states[i] = CartesianState{epochs[i], {x[i], y[i], z[i]}, {vx[i], vy[i], vz[i]},
                               ReferenceFrame::TEME};
  }
  return states;
}

Status InertialPropagator::step_to_epoch(double days) {
  char line1[saal::kTextBufferSize] = {}, line2[saal::kTextBufferSize] = {};
  if (saal::Sgp4ReepochTLE(tle_->key(), line1, line2, days) != 0) return saal_failure();
  auto moved = TLE::parse(trimmed(line1), trimmed(line2));
  if (!moved) return Error{moved.message()};
  init_for_sgp4(*moved);
  retire();
  tle_ = std::move(moved).value();
  return ok_status();
}

Result<InertialPropagator> InertialPropagator::clone_at_epoch(const Epoch& epoch) const {
  auto mean = mean_state_at(epoch);
  if (!mean) return Error{mean.message()};
  TLE::Fields fields = tle_->fields();
  fields.keplerian_state = *mean;
  auto tle = TLE::construct(std::move(fields));
  if (!tle) return Error{tle.message()};
  return from_tle(std::move(tle).value());
}

Result<InertialPropagator> InertialPropagator::new_with_delta_x(const std::vector<double>& delta_x,
                                                                bool estimate_drag,
                                                                bool estimate_srp) const {
  auto tle = tle_->new_with_delta_x(delta_x, estimate_drag, estimate_srp);
  if (!tle) return Error{tle.message()};
  return from_tle(std::move(tle).value());
}

}  // namespace qv
