// Geometry of a satellite: where its own elements put it, and its view of
// other satellites, the Earth, the Sun and the Moon.
#include <array>

#include "bodies/satellite.h"
#include "saal/saal.h"

namespace qv {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
// The layer's option for differences in the primary's orbit frame.
constexpr int kPrimaryOrbitFrame = 1;

std::array<double, 6> position_velocity(const CartesianState& s) {
  return {s.position.x, s.position.y, s.position.z, s.velocity.x, s.velocity.y, s.velocity.z};
}

}  // namespace

std::optional<GeodeticPosition> Satellite::geodetic_position() const {
  if (!keplerian_state_) return std::nullopt;
  auto cartesian = keplerian_state_->to_cartesian();
  if (!cartesian) return std::nullopt;
  auto teme = cartesian->to_frame(ReferenceFrame::TEME);
  if (!teme) return std::nullopt;
  const std::array<double, 3> pos = teme->position.to_array();
  double llh[3] = {};
  saal::XYZToLLHTime(pos.data(), llh, teme->epoch.days_since_1950);
  return GeodeticPosition{llh[0], llh[1], llh[2]};
}

std::optional<BoreToBodyAngles> Satellite::get_body_angles_at_epoch(const Satellite& other,
                                                                    const Epoch& epoch) const {
  const auto own = get_state_at_epoch(epoch);
  if (!own) return std::nullopt;
  const auto target = other.get_state_at_epoch(epoch);
  if (!target) return std::nullopt;
  double sun[3], moon[3];
  if (saal::JplCompSunMoonPos(sun, moon, epoch.days_since_1950) != 0) return std::nullopt;
  const CartesianVector& p1 = own->position;
  const CartesianVector boresight = target->position - p1;
  const CartesianVector to_earth = CartesianVector{} - p1;
  const CartesianVector to_sun = CartesianVector::from_array(sun) - p1;
  const CartesianVector to_moon = CartesianVector::from_array(moon) - p1;
  return BoreToBodyAngles{boresight.angle(to_earth) * kDegreesPerRadian,
                          boresight.angle(to_sun) * kDegreesPerRadian,
                          boresight.angle(to_moon) * kDegreesPerRadian};
}

std::optional<RelativeState> Satellite::get_relative_state_at_epoch(const Satellite& origin,
                                                                    const Epoch& epoch) const {
  const auto own = get_state_at_epoch(epoch);
  if (!own) return std::nullopt;
  const auto reference = origin.get_state_at_epoch(epoch);
  if (!reference) return std::nullopt;
  const auto primary = position_velocity(*reference);
  const auto secondary = position_velocity(*own);
  double out[100] = {};
  if (saal::SatStateEphCom_OS(primary.data(), secondary.data(), kPrimaryOrbitFrame, out,
                              epoch.days_since_1950) != 0) {
    return std::nullopt;
  }
  return RelativeState{epoch, {out[2], out[3], out[4]}, {out[6], out[7], out[8]}, origin.id_,
                       id_};
}

}  // namespace qv
