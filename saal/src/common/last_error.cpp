#include "last_error.h"

namespace saal::detail {
namespace {
thread_local std::string t_last_error;
}

void set_last_error(std::string_view text) { t_last_error.assign(text); }

int fail(std::string_view text) {
  set_last_error(text);
  return 1;
}

const std::string& last_error() { return t_last_error; }

}  // namespace saal::detail
