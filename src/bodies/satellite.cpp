#include "bodies/satellite.h"

#include "lib/uuid.h"

namespace qv {

Satellite::Satellite()
    : id_(new_uuid_v4()), force_properties_(ForceProperties::satellite_default()) {}

Satellite Satellite::from_tle(TLE tle) {
  Satellite s;
  s.id_ = tle.id();
  s.norad_id_ = tle.norad_id();
  s.name_ = tle.name();
  s.force_properties_ = tle.force_properties();
  s.keplerian_state_ = tle.keplerian_state();
  s.propagator_ = InertialPropagator::from_tle(std::move(tle));
  return s;
}

Satellite::Satellite(const Satellite& other)
    : id_(other.id_),
      name_(other.name_),
      ephemeris_cache_key_(other.ephemeris_cache_key_),
      keplerian_state_(other.keplerian_state_),
      force_properties_(other.force_properties_),
      ephemeris_cache_(other.ephemeris_cache_),
      norad_id_(other.norad_id_) {
  if (other.propagator_) propagator_ = other.propagator_->copy();
}

Satellite& Satellite::operator=(const Satellite& other) {
  if (this != &other) *this = Satellite(other);
  return *this;
}

Result<TLE> Satellite::build_tle() const {
  TLE::Fields fields;
  fields.id = id_;
  fields.norad_id = norad_id_;
  fields.name = name_;
  fields.classification = Classification::Unclassified;
  fields.keplerian_state = *keplerian_state_;
  fields.force_properties = force_properties_;
  return TLE::construct(std::move(fields));
}

Status Satellite::rebuild_propagator() {
  // Values the element set refuses (a non-elliptic orbit, a non-finite
  // number) are the caller's input, not a broken invariant.
  auto tle = build_tle();
  if (!tle) return tle.error();
  // Assigning retires the previous propagator's key from both tables.
  propagator_ = InertialPropagator::from_tle(std::move(tle).value());
  return ok_status();
}

Status Satellite::set_keplerian_state(const KeplerianState& state) {
  keplerian_state_ = state;
  if (state.keplerian_type == KeplerianType::Osculating) {
    return fail("Osculating elements not implemented");
  }
  return rebuild_propagator();
}

Status Satellite::set_force_properties(const ForceProperties& force_properties) {
  force_properties_ = force_properties;
  if (!keplerian_state_ || keplerian_state_->keplerian_type == KeplerianType::Osculating) {
    return ok_status();
  }
  return rebuild_propagator();
}

std::optional<double> Satellite::periapsis() const {
  if (!keplerian_state_) return std::nullopt;
  const KeplerianElements& e = keplerian_state_->elements;
  return e.semi_major_axis * (1.0 - e.eccentricity);
}

std::optional<double> Satellite::apoapsis() const {
  if (!keplerian_state_) return std::nullopt;
  const KeplerianElements& e = keplerian_state_->elements;
  return (e.eccentricity + 1.0) * e.semi_major_axis;
}

Result<std::optional<TLE>> Satellite::to_tle() const {
  if (!keplerian_state_) return std::optional<TLE>();
  auto tle = build_tle();
  if (!tle) return tle.error();
  return std::optional<TLE>(std::move(tle).value());
}

Status Satellite::step_to_epoch(double days) {
  if (!propagator_) return fail(kNoPropagatorMessage);
  auto stepped = propagator_->step_to_epoch(days);
  if (!stepped) return stepped;
  keplerian_state_ = propagator_->tle().keplerian_state();
  return ok_status();
}

std::optional<CartesianState> Satellite::get_state_at_epoch(const Epoch& epoch) const {
  if (!propagator_) return std::nullopt;
  return propagator_->get_cartesian_state_at_epoch(epoch);
}

}  // namespace qv
