// Frame conversions of Cartesian states and their osculating elements.
#include <array>

#include "elements/cartesian_state.h"
#include "elements/keplerian_state.h"
#include "lib/saal_error.h"
#include "saal/saal.h"

namespace qv {
namespace {

// Position in the chain J2000 - TEME - EFG - ECR.
int chain_index(ReferenceFrame frame) {
  switch (frame) {
    case ReferenceFrame::J2000: return 0;
    case ReferenceFrame::TEME: return 1;
    case ReferenceFrame::EFG: return 2;
    case ReferenceFrame::ECR: return 3;
  }
  return 1;
}

constexpr ReferenceFrame kChain[4] = {ReferenceFrame::J2000, ReferenceFrame::TEME,
                                      ReferenceFrame::EFG, ReferenceFrame::ECR};
constexpr int kSpectr = 0;
constexpr int kNutationTerms = 106;

// One link of the chain, from chain position `from` to its neighbour `to`.
int step(int from, int to, double ds50_utc, const double* r, const double* v, double* r_out,
         double* v_out) {
  if (from == 0) {
    return saal::RotJ2KToDate(kSpectr, kNutationTerms, r, v, r_out, v_out, saal::UTCToTAI(ds50_utc));
  }
  if (from == 1 && to == 0) {
    return saal::RotDateToJ2K(kSpectr, kNutationTerms, r, v, r_out, v_out, saal::UTCToTAI(ds50_utc));
  }
  if (from == 1) return saal::ECIToEFGTime(r, v, r_out, v_out, ds50_utc);
  if (from == 2 && to == 1) return saal::EFGToECITime(r, v, r_out, v_out, ds50_utc);
  if (from == 2) return saal::EFGToECRTime(r, v, r_out, v_out, ds50_utc);
  return saal::ECRToEFGTime(r, v, r_out, v_out, ds50_utc);
}

}  // namespace

Result<CartesianState> CartesianState::to_frame(ReferenceFrame target) const {
  if (target == frame) return *this;
  auto r = position.to_array();
  auto v = velocity.to_array();
  int at = chain_index(frame);
  const int goal = chain_index(target);
  while (at != goal) {
    const int next = at < goal ? at + 1 : at - 1;
    std::array<double, 3> r_out{}, v_out{};
    if (step(at, next, epoch.days_since_1950, r.data(), v.data(), r_out.data(), v_out.data()) != 0) {
      return saal_failure();
    }
    r = r_out;
    v = v_out;
    at = next;
  }
  return CartesianState{epoch, CartesianVector::from_array(r.data()),
                        CartesianVector::from_array(v.data()), kChain[goal]};
}

Result<KeplerianState> CartesianState::to_keplerian() const {
  const auto r = position.to_array();
  const auto v = velocity.to_array();
  double kep[6];
  if (saal::PosVelToKep(r.data(), v.data(), kep) != 0) return saal_failure();
  return KeplerianState{epoch, KeplerianElements::from_saal_array(kep), frame,
                        KeplerianType::Osculating};
}

}  // namespace qv
