// A two-line element set: the orbit and force model of one satellite, held
// as a Keplerian state with a force model and loaded into the layer's
// element-set table under a key the object owns (removed when it goes).
//
// Returned failures are Result errors. Violated invariants (the layer cannot
// read or write lines it should, a copy cannot be loaded, an unknown element
// type or classification) throw TleFault, which the Python boundary raises
// as InternalFault.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "enums/classification.h"
#include "lib/result.h"
#include "propagation/force_properties.h"

namespace qv {

struct TleFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TLE {
 public:
  using ElementArray = std::array<double, 64>;

  // Everything a set is made of, besides its key.
  struct Fields {
    std::string id;
    std::int32_t norad_id = 0;
    std::optional<std::string> name;
    Classification classification = Classification::Unclassified;
    std::string designator;
    KeplerianState keplerian_state;
    ForceProperties force_properties;
    // Carried so that lines written back keep the revolution and set numbers.
    double revolution_number = 0.0;
    double element_set_number = 0.0;
  };

  // Parses two element lines (a fresh UUID, no name) and loads the set.
  static Result<TLE> parse(const std::string& line_1, const std::string& line_2);
  // With `line_3`, `line_1` is the title line that gives the name.
  static Result<TLE> from_lines(const std::string& line_1, const std::string& line_2,
                                const std::optional<std::string>& line_3);
  // Loads a set made of `fields`; on failure nothing stays loaded.
  static Result<TLE> construct(Fields fields);

  TLE(TLE&& other) noexcept;
  TLE& operator=(TLE&& other) noexcept;
  TLE(const TLE&) = delete;
  TLE& operator=(const TLE&) = delete;
  ~TLE();

  // An independent set loaded under a new key (throws TleFault if it cannot).
  TLE copy() const;

  const Fields& fields() const { return fields_; }
  std::int64_t key() const { return key_; }
  const std::string& id() const { return fields_.id; }
  std::int32_t norad_id() const { return fields_.norad_id; }
  const std::optional<std::string>& name() const { return fields_.name; }
  const std::string& designator() const { return fields_.designator; }
  Classification classification() const { return fields_.classification; }
  const KeplerianState& keplerian_state() const { return fields_.keplerian_state; }
  const ForceProperties& force_properties() const { return fields_.force_properties; }
  KeplerianType type() const { return fields_.keplerian_state.keplerian_type; }
  const Epoch& epoch() const { return fields_.keplerian_state.epoch; }

  // Revolutions per day by the element type's mean-motion rule.
  Result<double> mean_motion() const { return fields_.keplerian_state.mean_motion(); }
  // Two-body state of the stored elements at the stored epoch.
  Result<CartesianState> cartesian_state() const;

  // The layer's element array and element text of this set.
  ElementArray element_array() const;
  std::string element_text() const;

  // Line 1 and line 2 with "+" exponent signs and check digits.
  std::pair<std::string, std::string> lines() const;

  // Mean equinoctial elements of this set at its epoch (af, ag, chi, psi,
  // mean longitude, mean motion).
  std::array<double, 6> equinoctial_at_epoch() const;

  // The orbit-determination correction step and finite-difference sets.
  Result<TLE> new_with_delta_x(const std::vector<double>& delta_x, bool estimate_drag,
                               bool estimate_srp) const;
  Result<std::vector<std::pair<TLE, double>>> build_perturbed(bool estimate_drag,
                                                               bool estimate_srp) const;

 private:
  TLE(Fields fields, std::int64_t key) : fields_(std::move(fields)), key_(key) {}
  void release();

  Fields fields_;
  std::int64_t key_ = 0;
};

}  // namespace qv
