#include <cstdio>

#include "check.h"

namespace saal_test {
namespace {
int g_failures_in_case = 0;
}

std::vector<Case>& registry() {
  static std::vector<Case> cases;
  return cases;
}

void record_failure(const char* file, int line, const std::string& what) {
  ++g_failures_in_case;
  std::printf("  %s:%d: %s\n", file, line, what.c_str());
}

}  // namespace saal_test

int main() {
  int passed = 0, failed = 0;
  for (const auto& c : saal_test::registry()) {
    saal_test::g_failures_in_case = 0;
    c.body();
    if (saal_test::g_failures_in_case == 0) {
      ++passed;
    } else {
      ++failed;
      std::printf("FAILED %s\n", c.name);
    }
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
