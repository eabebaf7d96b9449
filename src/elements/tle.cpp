#include "elements/tle.h"

#include <cmath>
#include <limits>

#include "lib/saal_error.h"
#include "lib/uuid.h"
#include "saal/saal.h"
#include "saal/tle_interface.h"

namespace qv {
namespace {

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n\f\v");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n\f\v");
  return s.substr(first, last - first + 1);
}

// Truncates toward zero and saturates; NaN gives 0.
std::int32_t to_int32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (v <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(v);
}

char classification_letter(Classification c) {
  switch (c) {
    case Classification::Unclassified: return 'U';
    case Classification::Confidential: return 'C';
    case Classification::Secret: return 'S';
  }
  return 'U';
}

Classification classification_of(const std::string& xs) {
  const std::string first = xs.empty() ? std::string(" ") : xs.substr(0, 1);
  const std::string letter = trim(first);
  if (letter == "U") return Classification::Unclassified;
  if (letter == "C") return Classification::Confidential;
  if (letter == "S") return Classification::Secret;
  throw TleFault("Invalid TLE classification: " + first);
}

KeplerianType type_of_code(std::int32_t code) {
  switch (code) {
    case 0: return KeplerianType::MeanKozaiGP;
    case 2: return KeplerianType::MeanBrouwerGP;
    case 4: return KeplerianType::MeanBrouwerXP;
    default: throw TleFault("Invalid KeplerianType value: " + std::to_string(code));
  }
}

}  // namespace

Result<TLE> TLE::parse(const std::string& line_1, const std::string& line_2) {
  auto arrays = tle_interface::lines_to_arrays(line_1, line_2);
  if (!arrays) throw TleFault(arrays.message());
  const ElementArray& xa = arrays->xa_tle;
  const std::string& xs = arrays->xs_tle.text;

  Fields f;
  f.norad_id = to_int32(xa[saal::XA_TLE_SATNUM]);
  const KeplerianType type = type_of_code(to_int32(xa[saal::XA_TLE_EPHTYPE]));
  const double e = xa[saal::XA_TLE_ECCEN];
  const double i = xa[saal::XA_TLE_INCLI];
  const double n = xa[saal::XA_TLE_MNMOTN];
  const double brouwer_n = type == KeplerianType::MeanKozaiGP ? saal::KozaiToBrouwer(e, i, n) : n;
  KeplerianElements el;
  el.semi_major_axis = saal::NToA(brouwer_n);
  el.eccentricity = e;
  el.inclination = i;
  el.raan = xa[saal::XA_TLE_NODE];
  el.argument_of_perigee = xa[saal::XA_TLE_OMEGA];
  el.mean_anomaly = xa[saal::XA_TLE_MNANOM];
  f.keplerian_state =
      KeplerianState{Epoch{xa[saal::XA_TLE_EPOCH], TimeSystem::UTC}, el, ReferenceFrame::TEME, type};

  ForceProperties& fp = f.force_properties;
  fp.srp_area = fp.drag_area = fp.mass = 1.0;
  fp.mean_motion_dot = xa[saal::XA_TLE_NDOT];
  fp.mean_motion_dot_dot = xa[saal::XA_TLE_NDOTDOT];
  if (type == KeplerianType::MeanBrouwerXP) {
    fp.drag_coefficient = xa[saal::XA_TLE_BTERM];
    fp.srp_coefficient = xa[saal::XA_TLE_AGOMGP];
  } else {
    fp.drag_coefficient = b_star_to_drag_coefficient(xa[saal::XA_TLE_BSTAR]);
    fp.srp_coefficient = 0.0;
  }
  f.id = new_uuid_v4();
  f.classification = classification_of(xs);
  f.designator = trim(xs.size() > 1 ? xs.substr(1, 12) : std::string());
  f.revolution_number = xa[saal::XA_TLE_REVNUM];
  f.element_set_number = xa[saal::XA_TLE_ELSETNUM];
  return construct(std::move(f));
}

Result<TLE> TLE::from_lines(const std::string& line_1, const std::string& line_2,
                            const std::optional<std::string>& line_3) {
  if (!line_3) return parse(line_1, line_2);
  auto tle = parse(line_2, *line_3);
  if (!tle) return tle;
  std::string title = line_1;
  if (title.size() > 1 && title[0] == '0' && title[1] == ' ') title.erase(0, 2);
  tle.value().fields_.name = trim(title);
  return tle;
}

Result<TLE> TLE::construct(Fields fields) {
  TLE staged(std::move(fields), 0);
  auto key = tle_interface::load_from_arrays(staged.element_array(), staged.element_text());
  if (!key) return Error{key.message()};
  staged.key_ = *key;
  return staged;
}

TLE::TLE(TLE&& other) noexcept : fields_(std::move(other.fields_)), key_(other.key_) {
  other.key_ = 0;
}

TLE& TLE::operator=(TLE&& other) noexcept {
  if (this != &other) {
    release();
    fields_ = std::move(other.fields_);
    key_ = other.key_;
    other.key_ = 0;
  }
  return *this;
}

TLE::~TLE() { release(); }

void TLE::release() {
  if (key_ != 0) tle_interface::remove_key(key_);
  key_ = 0;
}

TLE TLE::copy() const {
  auto loaded = construct(fields_);
  if (!loaded) throw TleFault(loaded.message());
  return std::move(loaded).value();
}

Result<CartesianState> TLE::cartesian_state() const { return keplerian_state().to_cartesian(); }

TLE::ElementArray TLE::element_array() const {
  ElementArray xa{};
  const KeplerianState& ks = fields_.keplerian_state;
  const KeplerianElements& el = ks.elements;
  xa[saal::XA_TLE_SATNUM] = fields_.norad_id;
  xa[saal::XA_TLE_EPOCH] = ks.epoch.days_since_1950;
  xa[saal::XA_TLE_INCLI] = el.inclination;
  xa[saal::XA_TLE_NODE] = el.raan;
  xa[saal::XA_TLE_ECCEN] = el.eccentricity;
  xa[saal::XA_TLE_OMEGA] = el.argument_of_perigee;
  xa[saal::XA_TLE_MNANOM] = el.mean_anomaly;
  xa[saal::XA_TLE_EPHTYPE] = static_cast<double>(ks.keplerian_type);
  const double n = saal::AToN(el.semi_major_axis);
  xa[saal::XA_TLE_MNMOTN] = ks.keplerian_type == KeplerianType::MeanKozaiGP
                                ? saal::BrouwerToKozai(el.eccentricity, el.inclination, n)
                                : n;
  xa[saal::XA_TLE_REVNUM] = fields_.revolution_number;
  xa[saal::XA_TLE_ELSETNUM] = fields_.element_set_number;
  const ForceProperties& fp = fields_.force_properties;
  switch (ks.keplerian_type) {
    case KeplerianType::MeanKozaiGP:
    case KeplerianType::MeanBrouwerGP:
      xa[saal::XA_TLE_BSTAR] = fp.drag_term() / kDragTermPerBStar;
      xa[saal::XA_TLE_NDOT] = fp.mean_motion_dot;
      xa[saal::XA_TLE_NDOTDOT] = fp.mean_motion_dot_dot;
      break;
    case KeplerianType::MeanBrouwerXP:
      xa[saal::XA_TLE_BTERM] = fp.drag_term();
      xa[saal::XA_TLE_AGOMGP] = fp.srp_term();
      break;
    case KeplerianType::Osculating:
      xa[saal::XA_TLE_SP_BTERM] = fp.drag_term();
      xa[saal::XA_TLE_SP_AGOM] = fp.srp_term();
      break;
  }
  return xa;
}

std::string TLE::element_text() const {
  std::string xs = classification_letter(fields_.classification) + fields_.designator;
  if (xs.size() > static_cast<std::size_t>(saal::kTextLength)) xs.resize(saal::kTextLength);
  return xs;
}

std::pair<std::string, std::string> TLE::lines() const {
  auto lines = tle_interface::arrays_to_lines(element_array(), element_text());
  if (!lines) throw TleFault(lines.message());
  auto [l1, l2] = std::move(lines).value();
  // Exponent signs of the two exponent fields of line 1.
  if (l1.size() > 50 && l1[50] == ' ') l1[50] = '+';
  if (l1.size() >= 60 && l1[59] == ' ') l1[59] = '+';
  auto sums = tle_interface::get_check_sums(l1, l2);
  if (!sums) throw TleFault(sums.message());
  return {l1 + std::to_string(sums->first), l2 + std::to_string(sums->second)};
}

std::array<double, 6> TLE::equinoctial_at_epoch() const {
  const double day = epoch().days_since_1950;
  std::array<double, 6> eqnx{};
  auto evaluate = [&] {
    if (type() == KeplerianType::MeanBrouwerXP) {
      double osc[6];
      return saal::XpGetNativeElts(key_, eqnx.data(), osc, day) == 0;
    }
    double out[64] = {};
    if (saal::Sgp4PropAll(key_, saal::SGP4_TIMETYPE_DS50UTC, out, day) != 0) return false;
    return saal::KepToEqnx(out + saal::XA_SGP4OUT_MN_A, eqnx.data()) == 0;
  };
  if (evaluate()) return eqnx;
  // Not initialised for SGP4: initialise for this one evaluation.
  if (saal::Sgp4InitSat(key_) != 0) throw TleFault(saal_last_error());
  const bool ok = evaluate();
  const std::string error = ok ? std::string() : saal_last_error();
  if (saal::Sgp4RemoveSat(key_) != 0) throw TleFault(saal_last_error());
  if (!ok) throw TleFault(error);
  return eqnx;
}

Result<TLE> TLE::new_with_delta_x(const std::vector<double>& delta_x, bool estimate_drag,
                                  bool estimate_srp) const {
  if (delta_x.size() < 6 || (estimate_drag && delta_x.size() < 7)) {
    throw TleFault("Matrix index out of bounds.");
  }
  std::array<double, 6> e = equinoctial_at_epoch();
  for (std::size_t k = 0; k < 6; ++k) e[k] = delta_x[k] + e[k];
  Fields f = fields_;
  if (estimate_drag) f.force_properties.drag_coefficient += delta_x[6];
  if (estimate_srp) f.force_properties.srp_coefficient += delta_x.back();
  double kep[6];
  if (saal::EqnxToKep(e.data(), kep) != 0) return saal_failure();
  f.keplerian_state.elements = KeplerianElements::from_saal_array(kep);
  return construct(std::move(f));
}

Result<std::vector<std::pair<TLE, double>>> TLE::build_perturbed(bool estimate_drag,
                                                                 bool estimate_srp) const {
  constexpr std::array<double, 6> kSteps{1e-6, 1e-6, 1e-6, 1e-6, 1e-8, 1e-6};
  constexpr double kForceStep = 1e-4;
  const std::array<double, 6> e = equinoctial_at_epoch();
  std::vector<std::pair<TLE, double>> sets;
  for (std::size_t k = 0; k < 6; ++k) {
    std::array<double, 6> stepped = e;
    stepped[k] += kSteps[k];
    double kep[6];
    if (saal::EqnxToKep(stepped.data(), kep) != 0) return saal_failure();
    Fields f = fields_;
    f.keplerian_state.elements = KeplerianElements::from_saal_array(kep);
    auto tle = construct(std::move(f));
    if (!tle) return Error{tle.message()};
    sets.emplace_back(std::move(tle).value(), kSteps[k]);
  }
  if (estimate_drag) {
    Fields f = fields_;
    f.force_properties.drag_coefficient += kForceStep;
    auto tle = construct(std::move(f));
    if (!tle) return Error{tle.message()};
    sets.emplace_back(std::move(tle).value(), kForceStep);
  }
  if (estimate_srp) {
    Fields f = fields_;
    f.force_properties.srp_coefficient += kForceStep;
    auto tle = construct(std::move(f));
    if (!tle) return Error{tle.message()};
    sets.emplace_back(std::move(tle).value(), kForceStep);
  }
  return sets;
}

}  // namespace qv
