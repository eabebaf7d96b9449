#include "lib/python/binding.h"
#include "lib/saal_error.h"
#include "saal/main_interface.h"

namespace qv::py {

namespace {
struct MainInterface {};
}  // namespace

void bind_main_interface(nb::module_& m) {
  auto cls = add_class<MainInterface>(m, "MainInterface");
  def_static(cls, "get_last_error_message", [] { return SaalText{saal_last_error()}; });
  def_static(cls, "get_key_mode", [] { return unwrap(get_key_mode(), PyExc_RuntimeError); });
  def_static(
      cls, "set_key_mode",
      [](SAALKeyMode mode) { unwrap(set_key_mode(mode), PyExc_RuntimeError); }, {"key_mode"});
}

}  // namespace qv::py
