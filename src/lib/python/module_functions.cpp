#include "lib/python/module_functions.h"

#include <cstddef>

#include "lib/python/binding.h"
#include "lib/worker_pool.h"

namespace qv::py {

void add_module_functions(nb::module_& m) {
  def_function(m, "get_thread_count", [] { return pool::thread_count(); });
  def_function(
      m, "set_thread_count",
      [](std::size_t count) { unwrap_or_fault(pool::create(count)); }, {"count"});
}

}  // namespace qv::py
