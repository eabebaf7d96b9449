#include "lib/python/binding.h"
#include "lib/python/submodules.h"
#include "time/epoch_binding.h"
#include "time/time_components_binding.h"
#include "time/time_span_binding.h"

namespace qv::py {

// Registration order fixes the order of __all__: TimeSpan, Epoch, TimeComponents.
void register_time_module(nb::module_& m) {
  bind_time_span(m);
  bind_epoch(m);
  bind_time_components(m);
}

}  // namespace qv::py
