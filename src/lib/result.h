// Errors as values: an operation returns either its value or an error text.
// The Python-facing call decides which exception class the text becomes.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace qv {

struct Error {
  std::string message;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : data_(std::move(value)) {}
  Result(Error error) : data_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<T>(data_); }
  T& value() & { return std::get<T>(data_); }
  T&& value() && { return std::get<T>(std::move(data_)); }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }

  const Error& error() const { return std::get<Error>(data_); }
  const std::string& message() const { return error().message; }

 private:
  std::variant<T, Error> data_;
};

// Result of an operation that yields nothing but may fail.
struct Done {};
using Status = Result<Done>;
inline Status ok_status() { return Done{}; }

inline Error fail(std::string message) { return Error{std::move(message)}; }

}  // namespace qv
