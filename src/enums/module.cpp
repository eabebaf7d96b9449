#include "enums/enum_binding.h"
#include "lib/python/submodules.h"

namespace qv::py {

void register_enums_module(nb::module_& m) {
  bind_enum<SAALKeyMode>(m);
  bind_enum<TimeSystem>(m);
  bind_enum<ReferenceFrame>(m);
  bind_enum<Classification>(m);
  bind_enum<KeplerianType>(m);
  bind_enum<EquinoxType>(m);
  bind_enum<GeodeticModel>(m);
  bind_enum<CovarianceType>(m);
  bind_enum<AssociationConfidence>(m);
}

}  // namespace qv::py
