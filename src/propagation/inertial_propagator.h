// SGP4 propagation of one element set. The propagator owns its set and the
// set's key in the layer's SGP4 table for as long as it lives; copies load
// the set again under a new key. States are TEME; an epoch's day count is
// handed to the layer as UTC whatever its tag, and the result keeps the tag.
#pragma once

#include <optional>
#include <vector>

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "elements/tle.h"
#include "lib/result.h"

namespace qv {

class InertialPropagator {
 public:
  // Enters the set's key into the SGP4 table; throws TleFault (a violated
  // invariant) if the layer refuses, the set being released on the way.
  static InertialPropagator from_tle(TLE tle);

  InertialPropagator(InertialPropagator&& other) noexcept = default;
  InertialPropagator& operator=(InertialPropagator&& other) noexcept;
  InertialPropagator(const InertialPropagator&) = delete;
  InertialPropagator& operator=(const InertialPropagator&) = delete;
  ~InertialPropagator();

  InertialPropagator copy() const;

  const TLE& tle() const { return *tle_; }

  // Nothing when SGP4 fails at that epoch (its error text is dropped).
  std::optional<CartesianState> get_cartesian_state_at_epoch(const Epoch& epoch) const;
  // SGP4's mean elements at the epoch, typed as the element set.
  std::optional<KeplerianState> get_keplerian_state_at_epoch(const Epoch& epoch) const;
  // Many epochs through the layer's vectorised batch path; an entry is empty
  // where SGP4 fails.
  std::vector<std::optional<CartesianState>> get_cartesian_states_at_epochs(
      const std::vector<Epoch>& epochs) const;

  // Replaces the element set by one re-epoched to `days` (UTC days since
  // 1950); on failure the propagator is unchanged.
  Status step_to_epoch(double days);
  Result<InertialPropagator> clone_at_epoch(const Epoch& epoch) const;
  Result<InertialPropagator> new_with_delta_x(const std::vector<double>& delta_x,
                                              bool estimate_drag, bool estimate_srp) const;

 private:
  explicit InertialPropagator(TLE tle) : tle_(std::move(tle)) {}
  Result<KeplerianState> mean_state_at(const Epoch& epoch) const;
  void retire();

  std::optional<TLE> tle_;  // empty only after a move
};

}  // namespace qv
