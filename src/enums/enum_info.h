// Names, codes and value texts of the enumerations, in declaration order.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace qv {

template <class E>
struct EnumMember {
  const char* name;
  E code;
  const char* text;  // the `value` text, or nullptr where the value is the integer code
};

// Specialised beside each enumeration: `class_name` and `members`.
template <class E>
struct EnumInfo;

template <class E>
const EnumMember<E>* find_member(E code) {
  for (const auto& m : EnumInfo<E>::members) {
    if (m.code == code) return &m;
  }
  return nullptr;
}

template <class E>
std::optional<E> enum_from_code(int code) {
  for (const auto& m : EnumInfo<E>::members) {
    if (static_cast<int>(m.code) == code) return m.code;
  }
  return std::nullopt;
}

// The `value` text of a text-valued member ("UTC", "TEME", "U", ...).
template <class E>
std::string_view enum_text(E code) {
  const EnumMember<E>* m = find_member(code);
  return m != nullptr && m->text != nullptr ? m->text : std::string_view{};
}

}  // namespace qv
