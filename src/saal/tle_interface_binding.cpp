#include <cstdint>
#include <string>
#include <utility>

#include "lib/python/binding.h"
#include "saal/saal.h"
#include "saal/saal_bindings.h"
#include "saal/tle_interface.h"

namespace qv::py {

namespace {
struct TLEInterface {};
}  // namespace

void bind_tle_interface(nb::module_& m) {
  namespace ti = qv::tle_interface;
  auto cls = add_class<TLEInterface>(m, "TLEInterface");
  const std::pair<const char*, int> constants[] = {
      {"XA_TLE_SATNUM", saal::XA_TLE_SATNUM},       {"XA_TLE_EPOCH", saal::XA_TLE_EPOCH},
      {"XA_TLE_NDOT", saal::XA_TLE_NDOT},           {"XA_TLE_NDOTDOT", saal::XA_TLE_NDOTDOT},
      {"XA_TLE_BSTAR", saal::XA_TLE_BSTAR},         {"XA_TLE_EPHTYPE", saal::XA_TLE_EPHTYPE},
      {"XA_TLE_INCLI", saal::XA_TLE_INCLI},         {"XA_TLE_NODE", saal::XA_TLE_NODE},
      {"XA_TLE_ECCEN", saal::XA_TLE_ECCEN},         {"XA_TLE_OMEGA", saal::XA_TLE_OMEGA},
      {"XA_TLE_MNANOM", saal::XA_TLE_MNANOM},       {"XA_TLE_MNMOTN", saal::XA_TLE_MNMOTN},
      {"XA_TLE_REVNUM", saal::XA_TLE_REVNUM},       {"XA_TLE_ELSETNUM", saal::XA_TLE_ELSETNUM},
      {"XA_TLE_ORGSATNUM", saal::XA_TLE_ORGSATNUM}, {"XA_TLE_BTERM", saal::XA_TLE_BTERM},
      {"XA_TLE_OBSTIME", saal::XA_TLE_OBSTIME},     {"XA_TLE_EGR", saal::XA_TLE_EGR},
      {"XA_TLE_EDR", saal::XA_TLE_EDR},             {"XA_TLE_VISMAG", saal::XA_TLE_VISMAG},
      {"XA_TLE_RCS", saal::XA_TLE_RCS},             {"XA_TLE_AGOMGP", saal::XA_TLE_AGOMGP},
      {"XA_TLE_SP_BTERM", saal::XA_TLE_SP_BTERM},   {"XA_TLE_SP_OGPARM", saal::XA_TLE_SP_OGPARM},
      {"XA_TLE_SP_AGOM", saal::XA_TLE_SP_AGOM},     {"XA_TLE_SIZE", saal::XA_TLE_SIZE},
      {"XS_TLE_SECCLASS_1", saal::XS_TLE_SECCLASS_1},
      {"XS_TLE_SATNAME_12", saal::XS_TLE_SATNAME_12},
      {"XS_TLE_OBJTYPE_11", saal::XS_TLE_OBJTYPE_11},
      {"XS_TLE_SIZE", saal::XS_TLE_SIZE},
      {"XS_TLE_SECCLASS_0_1", saal::XS_TLE_SECCLASS_0_1},
      {"XS_TLE_SATNAME_1_12", saal::XS_TLE_SATNAME_1_12},
      {"XS_TLE_OBJTYPE_13_1", saal::XS_TLE_OBJTYPE_13_1},
      {"XS_TLE_LENGTH", saal::XS_TLE_LENGTH},
      {"XF_TLE_SATNUM", saal::XF_TLE_SATNUM},       {"XF_TLE_CLASS", saal::XF_TLE_CLASS},
      {"XF_TLE_SATNAME", saal::XF_TLE_SATNAME},     {"XF_TLE_EPOCH", saal::XF_TLE_EPOCH},
      {"XF_TLE_BSTAR", saal::XF_TLE_BSTAR},         {"XF_TLE_EPHTYPE", saal::XF_TLE_EPHTYPE},
      {"XF_TLE_ELSETNUM", saal::XF_TLE_ELSETNUM},   {"XF_TLE_INCLI", saal::XF_TLE_INCLI},
      {"XF_TLE_NODE", saal::XF_TLE_NODE},           {"XF_TLE_ECCEN", saal::XF_TLE_ECCEN},
      {"XF_TLE_OMEGA", saal::XF_TLE_OMEGA},         {"XF_TLE_MNANOM", saal::XF_TLE_MNANOM},
      {"XF_TLE_MNMOTN", saal::XF_TLE_MNMOTN},       {"XF_TLE_REVNUM", saal::XF_TLE_REVNUM},
      {"XF_TLE_NDOT", saal::XF_TLE_NDOT},           {"XF_TLE_NDOTDOT", saal::XF_TLE_NDOTDOT},
      {"XF_TLE_AGOMGP", saal::XF_TLE_AGOMGP},       {"XF_TLE_SP_AGOM", saal::XF_TLE_SP_AGOM},
      {"XF_TLE_SP_BTERM", saal::XF_TLE_SP_BTERM},   {"XF_TLE_SP_OGPARM", saal::XF_TLE_SP_OGPARM},
      {"XF_TLE_ORGSATNUM", saal::XF_TLE_ORGSATNUM}, {"XF_TLE_BTERM", saal::XF_TLE_BTERM},
      {"XF_TLE_OBSTIME", saal::XF_TLE_OBSTIME},     {"XF_TLE_EGR", saal::XF_TLE_EGR},
      {"XF_TLE_EDR", saal::XF_TLE_EDR},             {"XF_TLE_VISMAG", saal::XF_TLE_VISMAG},
      {"XF_TLE_RCS", saal::XF_TLE_RCS},             {"XF_TLE_OBJTYPE", saal::XF_TLE_OBJTYPE},
      {"XF_TLE_SATNAME_12", saal::XF_TLE_SATNAME_12},
      {"TLETYPE_SGP", saal::TLETYPE_SGP},           {"TLETYPE_SGP4", saal::TLETYPE_SGP4},
      {"TLETYPE_XP", saal::TLETYPE_XP},             {"TLETYPE_SP", saal::TLETYPE_SP},
      {"XF_TLEFORM_ORG", saal::XF_TLEFORM_ORG},     {"XF_TLEFORM_CSV", saal::XF_TLEFORM_CSV},
  };
  for (const auto& [name, value] : constants) def_constant(cls, name, value);

  def_static(
      cls, "lines_to_arrays",
      [](const std::string& line_1, const std::string& line_2) {
        ti::Arrays arrays = unwrap(ti::lines_to_arrays(line_1, line_2), PyExc_RuntimeError);
        return std::pair{arrays.xa_tle, arrays.xs_tle};
      },
      {"line_1", "line_2"});
  def_static(
      cls, "arrays_to_lines",
      [](const ti::ElementArray& xa_tle, const std::string& xs_tle) {
        // Layer text: a designator cut inside a character must not fail the decode.
        auto [line_1, line_2] = unwrap(ti::arrays_to_lines(xa_tle, xs_tle), PyExc_RuntimeError);
        return std::pair{SaalText{std::move(line_1)}, SaalText{std::move(line_2)}};
      },
      {"xa_tle", "xs_tle"});
  def_static(
      cls, "get_check_sums",
      [](const std::string& line_1, const std::string& line_2) {
        return unwrap(ti::get_check_sums(line_1, line_2), PyExc_RuntimeError);
      },
      {"line_1", "line_2"});
  def_static(
      cls, "load_from_arrays",
      [](const ti::ElementArray& xa_tle, const std::string& xs_tle) {
        return unwrap(ti::load_from_arrays(xa_tle, xs_tle), PyExc_RuntimeError);
      },
      {"xa_tle", "xs_tle"});
  def_static(
      cls, "remove_key", [](std::int64_t sat_key) { ti::remove_key(sat_key); }, {"sat_key"});
  def_static(cls, "remove_all", [] { unwrap(ti::remove_all(), PyExc_RuntimeError); });
  def_static(cls, "count_loaded", [] { return ti::count_loaded(); });
}

}  // namespace qv::py
