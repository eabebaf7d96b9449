#include "lib/python/module_functions.h"

#include <cstddef>

#include "lib/python/binding.h"
#include "lib/worker_pool.h"
#include "saal/astro_func_interface.h"

namespace qv::py {

void add_module_functions(nb::module_& m) {
  def_function(m, "get_thread_count", [] { return pool::thread_count(); });
  def_function(
      m, "set_thread_count",
      [](std::size_t count) {
        // A count beyond the pool's width would wrap around, not be refused.
        if (count > pool::kMaxWorkers) raise_argument_overflow("count", "integer out of range");
        unwrap_or_fault(pool::create(count));
      },
      {"count"});
  // A file that cannot be used is reported rather than ignored, so that Sun
  // and Moon positions never silently fall back to the analytic series.
  def_function(
      m, "set_jpl_ephemeris_file_path",
      [](const std::string& jpl_path) {
        unwrap(astro::set_jpl_ephemeris_file_path(zero_terminated(jpl_path)), saal_error_type());
      },
      {"jpl_path"});
}

}  // namespace qv::py
