// Time-ordered table of one body's Cartesian states, always in TEME, with
// interpolation at any epoch.
//
// The table lives in one shared body (EphemerisHandle) that Python objects, a
// satellite's cache and screening workers hold by reference. Two
// reader-writer locks guard it, always taken `states` before `grid`: writers
// hold both for an insertion and the grid upkeep that follows; readers hold
// both read locks for a lookup, so concurrent readers never block each other.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <utility>
#include <vector>

#include "elements/cartesian_state.h"
#include "lib/result.h"
#include "time/epoch.h"

namespace qv {

// Two day numbers closer than this are the same instant.
inline constexpr double kEpochToleranceDays = 1e-10;
// The catalogue number of a body created without one.
inline constexpr std::int32_t kNoNoradId = 99999;

// Whether the table lies on a uniform time grid.
struct UniformGrid {
  std::optional<double> step_seconds;  // absent until the table holds two states
  Epoch start;                         // epoch of the first entry
  bool is_uniform = true;              // once false, never true again
};

// The day number of `epoch` read in `target`. Equal systems need no
// conversion (UT1 and TT epochs have none, not even to themselves).
Result<double> day_in_system(const Epoch& epoch, TimeSystem target);

// Cubic Hermite curve through the positions and velocities of `a` and `b`,
// evaluated at `day` and tagged with `system`; TEME. A copy of `a` when the
// two entries are less than one machine epsilon (in days) apart.
CartesianState hermite_interpolate(const CartesianState& a, const CartesianState& b,
                                   TimeSystem system, double day);

// The lookup: a stored entry (its own epoch) or an interpolated state; none
// for an empty table. Day numbers are compared as numbers whatever their
// time systems. Callers hold the read locks of both `states` and `grid`.
std::optional<CartesianState> interpolate_state_with_grid(const std::vector<CartesianState>& states,
                                                          TimeSystem system,
                                                          const UniformGrid& grid, double day);

// The text key under which a satellite recognises an ephemeris built for the
// same start, end and step: "<start ISO>_<end ISO>_<step seconds>". Fails
// for day counts that have no calendar reading.
Result<std::string> construct_ephemeris_id(double start_day, double end_day, double step_days);

class EphemerisHandle {
 public:
  // A table holding `state` converted to TEME; 99999 when no number is given.
  // Fails only when the state cannot be converted to TEME (non-finite values).
  static Result<std::shared_ptr<EphemerisHandle>> create(std::string satellite_id,
                                                         std::optional<std::int32_t> norad_id,
                                                         const CartesianState& state);

  const std::string& id() const { return id_; }
  const std::string& satellite_id() const { return satellite_id_; }
  std::int32_t norad_id() const { return norad_id_; }

  // Inserts `state` (converted to TEME) in time order, replacing an entry
  // within kEpochToleranceDays of it, then updates the grid.
  Status add_state(const CartesianState& state);

  // Entry count, saturating at the largest 32-bit count.
  std::int32_t number_of_states() const;
  std::pair<Epoch, Epoch> get_epoch_range() const;
  std::optional<CartesianState> get_state_at_epoch(const Epoch& epoch) const;

  // Both read locks, for callers that run many lookups in a row.
  class Reader {
   public:
    const std::vector<CartesianState>& states() const { return handle_->states_; }
    const UniformGrid& grid() const { return handle_->grid_; }
    std::optional<CartesianState> state_at(double day, TimeSystem system) const {
      return interpolate_state_with_grid(handle_->states_, system, handle_->grid_, day);
    }

   private:
    friend class EphemerisHandle;
    explicit Reader(const EphemerisHandle& handle)
        : handle_(&handle), states_lock_(handle.states_mutex_), grid_lock_(handle.grid_mutex_) {}
    const EphemerisHandle* handle_;
    std::shared_lock<std::shared_mutex> states_lock_;
    std::shared_lock<std::shared_mutex> grid_lock_;
  };
  Reader read() const { return Reader(*this); }

  EphemerisHandle(const EphemerisHandle&) = delete;
  EphemerisHandle& operator=(const EphemerisHandle&) = delete;

 private:
  EphemerisHandle(std::string id, std::string satellite_id, std::int32_t norad_id,
                  CartesianState first);

  // Grid upkeep after a write at index `h`; both write locks are held.
  Status update_grid(std::size_t h);

  const std::string id_;
  const std::string satellite_id_;
  mutable std::shared_mutex states_mutex_;
  std::vector<CartesianState> states_;  // ascending day number, never empty
  mutable std::shared_mutex grid_mutex_;
  UniformGrid grid_;
  const std::int32_t norad_id_;
};

// The Python-facing ephemeris: one shared reference to a body.
struct Ephemeris {
  std::shared_ptr<EphemerisHandle> handle;
};

}  // namespace qv
