// Keplerian states to Cartesian and between frames.
#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {

Result<CartesianState> KeplerianState::to_cartesian() const {
  const auto kep = elements.to_saal_array();
  double r[3], v[3];
  if (saal::KepToPosVel(kep.data(), r, v) != 0) return saal_failure();
  return CartesianState{epoch, CartesianVector::from_array(r), CartesianVector::from_array(v), frame};
}

Result<KeplerianState> KeplerianState::to_frame(ReferenceFrame target) const {
  auto cartesian = to_cartesian();
  if (!cartesian) return cartesian.error();
  auto moved = cartesian->to_frame(target);
  if (!moved) return moved.error();
  return moved->to_keplerian();
}

}  // namespace qv
