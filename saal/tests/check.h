// A minimal test registry for the layer's C++ tests: TEST(name) { CHECK(...); }
#pragma once

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace saal_test {

struct Case {
  const char* name;
  std::function<void()> body;
};

std::vector<Case>& registry();
void record_failure(const char* file, int line, const std::string& what);

struct Registrar {
  Registrar(const char* name, std::function<void()> body) {
    registry().push_back({name, std::move(body)});
  }
};

}  // namespace saal_test

#define SAAL_TEST_CONCAT2(a, b) a##b
#define SAAL_TEST_CONCAT(a, b) SAAL_TEST_CONCAT2(a, b)
#define TEST(name)                                                                 \
  static void name();                                                              \
  static const saal_test::Registrar SAAL_TEST_CONCAT(name, _registrar){#name, name}; \
  static void name()

#define CHECK(cond)                                                          \
  do {                                                                       \
    if (!(cond)) saal_test::record_failure(__FILE__, __LINE__, "CHECK(" #cond ")"); \
  } while (0)

#define CHECK_NEAR(a, b, tol)                                                      \
  do {                                                                             \
    const double va_ = (a), vb_ = (b);                                             \
    if (!(std::fabs(va_ - vb_) <= (tol))) {                                        \
      std::ostringstream os_;                                                      \
      os_.precision(17);                                                           \
      os_ << #a " = " << va_ << ", " #b " = " << vb_ << ", tolerance " << (tol);   \
      saal_test::record_failure(__FILE__, __LINE__, os_.str());                    \
    }                                                                              \
  } while (0)
