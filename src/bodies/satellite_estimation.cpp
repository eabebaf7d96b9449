// The satellite copies that orbit determination works with.
#include <stdexcept>

#include "bodies/satellite.h"

namespace qv {

Result<Satellite> Satellite::clone_at_epoch(const Epoch& epoch) const {
  if (!propagator_) return fail(kNoPropagatorMessage);
  auto moved = propagator_->clone_at_epoch(epoch);
  if (!moved) return moved.error();
  auto mean_state = propagator_->get_keplerian_state_at_epoch(epoch);
  if (!mean_state) throw std::runtime_error("No mean elements at the clone's epoch");
  Satellite copy(*this);
  copy.propagator_ = std::move(moved).value();
  copy.keplerian_state_ = *mean_state;
  return copy;
}

Result<Satellite> Satellite::new_with_delta_x(const std::vector<double>& delta_x,
                                              bool estimate_drag, bool estimate_srp) const {
  if (!propagator_) return fail(kNoPropagatorMessage);
  auto corrected = propagator_->new_with_delta_x(delta_x, estimate_drag, estimate_srp);
  if (!corrected) return corrected.error();
  Satellite copy(*this);
  copy.propagator_ = std::move(corrected).value();
  copy.keplerian_state_ = copy.propagator_->tle().keplerian_state();
  copy.force_properties_ = copy.propagator_->tle().force_properties();
  return copy;
}

Result<std::vector<std::pair<Satellite, double>>> Satellite::build_perturbed_satellites(
    bool estimate_drag, bool estimate_srp) const {
  if (!propagator_) return fail(kNoPropagatorMessage);
  auto sets = propagator_->tle().build_perturbed(estimate_drag, estimate_srp);
  if (!sets) return sets.error();
  std::vector<std::pair<Satellite, double>> out;
  out.reserve(sets->size());
  for (auto& [tle, step] : sets.value()) out.emplace_back(from_tle(std::move(tle)), step);
  return out;
}

}  // namespace qv
