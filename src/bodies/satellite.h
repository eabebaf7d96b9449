// The propagatable body: identity, an orbit, a force model, the SGP4
// propagator that mirrors them, and a one-entry cache of the last ephemeris
// it built.
//
// A satellite has no lock: the pool hands each satellite to one worker at a
// time. Its cached ephemeris is shared by reference with copies, Python
// objects and screening work; the body carries its own locks.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "elements/bore_to_body_angles.h"
#include "elements/cartesian_state.h"
#include "elements/ephemeris.h"
#include "elements/geodetic_position.h"
#include "elements/keplerian_state.h"
#include "elements/orbit_plot_data.h"
#include "elements/relative_state.h"
#include "elements/tle.h"
#include "lib/result.h"
#include "propagation/force_properties.h"
#include "propagation/inertial_propagator.h"
#include "time/epoch.h"
#include "time/time_span.h"

namespace qv {

class Satellite {
 public:
  // A new identity (UUID), no orbit, no propagator, NORAD number 99999 and
  // the default force model.
  Satellite();
  // Identity, orbit and force model of `tle`, which moves into the propagator.
  static Satellite from_tle(TLE tle);

  // Copies own a new propagator (a new key) and share the cached ephemeris.
  // Throws TleFault if the propagator's set cannot be loaded again.
  Satellite(const Satellite& other);
  Satellite& operator=(const Satellite& other);
  Satellite(Satellite&&) noexcept = default;
  Satellite& operator=(Satellite&&) noexcept = default;
  ~Satellite() = default;

  const std::string& id() const { return id_; }
  void set_id(std::string id) { id_ = std::move(id); }
  const std::optional<std::string>& name() const { return name_; }
  void set_name(std::optional<std::string> name) { name_ = std::move(name); }
  std::int32_t norad_id() const { return norad_id_; }
  void set_norad_id(std::int32_t norad_id) { norad_id_ = norad_id; }

  const std::optional<KeplerianState>& keplerian_state() const { return keplerian_state_; }
  // Stores the state, then rebuilds the propagator from it. An osculating
  // state stays stored but fails ("Osculating elements not implemented") and
  // leaves the propagator as it was; so does a state the element set refuses
  // (failing with the element set's message).
  Status set_keplerian_state(const KeplerianState& state);
  const ForceProperties& force_properties() const { return force_properties_; }
  // Stores the model and, with a non-osculating orbit, rebuilds the
  // propagator; a model the element set refuses stays stored and fails,
  // leaving the propagator as it was.
  Status set_force_properties(const ForceProperties& force_properties);

  bool has_propagator() const { return propagator_.has_value(); }
  const std::optional<InertialPropagator>& propagator() const { return propagator_; }
  const std::optional<std::string>& ephemeris_cache_key() const { return ephemeris_cache_key_; }

  // Radii (km) of the orbit's nearest and farthest points; none without orbit.
  std::optional<double> periapsis() const;
  std::optional<double> apoapsis() const;
  // Where the orbit's own elements (two-body, no propagation) put the
  // satellite at their epoch.
  std::optional<GeodeticPosition> geodetic_position() const;

  // An element set of the satellite's identity, orbit and force model;
  // none without an orbit.
  Result<std::optional<TLE>> to_tle() const;

  // Re-epochs the propagator to `days` (UTC days since 1950); the orbit then
  // follows the new element set.
  Status step_to_epoch(double days);

  std::optional<CartesianState> get_state_at_epoch(const Epoch& epoch) const;

  // The ephemeris from `start` to `end` on a step of at most `step` and at
  // most a quarter of the span, answered from the cache when it was built
  // for the same three arguments. None without a propagator or when a sample
  // cannot be propagated. A span or step that gives no forward step yields
  // the ephemeris of the first state alone. Fails when `start` cannot be
  // read in `end`'s time system.
  Result<std::optional<std::shared_ptr<EphemerisHandle>>> get_ephemeris(const Epoch& start,
                                                                        const Epoch& end,
                                                                        const TimeSpan& step);
  // Plot series from `start` to `end` on `step` (no quarter-span limit).
  std::optional<OrbitPlotData> get_plot_data(const Epoch& start, const Epoch& end,
                                             const TimeSpan& step) const;

  // Angles at this satellite between the boresight towards `other` and the
  // directions to the Earth, the Sun and the Moon.
  std::optional<BoreToBodyAngles> get_body_angles_at_epoch(const Satellite& other,
                                                           const Epoch& epoch) const;
  // This satellite's state relative to `origin`, in the origin's radial,
  // in-track and cross-track axes.
  std::optional<RelativeState> get_relative_state_at_epoch(const Satellite& origin,
                                                           const Epoch& epoch) const;

  // Copies for orbit determination.
  Result<Satellite> clone_at_epoch(const Epoch& epoch) const;
  Result<Satellite> new_with_delta_x(const std::vector<double>& delta_x, bool estimate_drag,
                                     bool estimate_srp) const;
  Result<std::vector<std::pair<Satellite, double>>> build_perturbed_satellites(
      bool estimate_drag, bool estimate_srp) const;

 private:
  Result<TLE> build_tle() const;
  Status rebuild_propagator();

  std::string id_;
  std::optional<std::string> name_;
  std::optional<std::string> ephemeris_cache_key_;
  std::optional<InertialPropagator> propagator_;
  std::optional<KeplerianState> keplerian_state_;
  ForceProperties force_properties_;
  std::shared_ptr<EphemerisHandle> ephemeris_cache_;
  std::int32_t norad_id_ = kNoNoradId;
};

// The message of operations that need a propagator.
inline constexpr const char* kNoPropagatorMessage = "Inertial propagator is not set";

}  // namespace qv
