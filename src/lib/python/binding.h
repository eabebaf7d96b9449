// Shared helpers for every binding of the extension.
//
// A binding declares a plain C++ callable and the Python names of its
// parameters; the helpers parse positional and keyword arguments, convert each
// one with an error that names it ("argument 'x': ..."), call, and convert the
// result. Classes report `__module__` as builtins, join their submodule's
// `__all__` in order of addition, refuse construction unless they define one,
// and their properties refuse deletion.
//
//   auto cls = qv::py::add_class<Epoch>(m, "Epoch");
//   qv::py::def_static(cls, "from_days", &make, {"days", "time_system"});
//   qv::py::def_method(cls, "to_iso", &to_iso_text);
//   qv::py::def_readonly(cls, "days", [](const Epoch& e) { return e.days; });
//   qv::py::def_property(cls, "x", getter, [](Vec& v, double x) { v.x = x; });
//   qv::py::def_function(m, "ds50_utc_to_ut1", &fn, {"ds50_utc"});
//
// Parameter types: any nanobind-castable type (numbers, str, bound classes,
// enumerations), integers (range-checked, OverflowError when out of range),
// std::array<T, N> (any sequence of exactly N items), std::vector<T> (any
// sequence), std::optional<T> (None, or a parameter declared with opt()), and
// nb::object / nb::handle for raw access.
#pragma once

#include <nanobind/nanobind.h>
#include <nanobind/stl/array.h>
#include <nanobind/stl/optional.h>
#include <nanobind/stl/pair.h>
#include <nanobind/stl/string.h>
#include <nanobind/stl/tuple.h>
#include <nanobind/stl/vector.h>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "lib/python/enum_casters.h"
#include "lib/python/errors.h"
#include "lib/python/saal_text.h"

namespace qv::py {

namespace nb = nanobind;

// ---- parameters ------------------------------------------------------------

struct Param {
  const char* name;
  bool optional = false;
  Param(const char* n) : name(n) {}  // NOLINT: names are written as plain literals
  Param(const char* n, bool opt) : name(n), optional(opt) {}
};

// A parameter that may be omitted; its C++ type must be std::optional<T>.
inline Param opt(const char* name) { return Param(name, true); }

using Params = std::vector<Param>;

// Fills `slots` from positional and keyword arguments, raising TypeError for
// too many arguments, unknown or duplicate keywords and missing arguments.
void bind_slots(const char* function_name, const Params& params, nb::args args,
                nb::kwargs kwargs, nb::handle* slots);

// ---- argument conversion ---------------------------------------------------

[[noreturn]] void raise_argument_type_error(const char* name, const std::string& expected,
                                            nb::handle given);
[[noreturn]] void raise_argument_overflow(const char* name, const char* what);
[[noreturn]] void raise_sequence_length(std::size_t expected, std::size_t given);

// Converts a Python int to a signed or unsigned 64-bit value; TypeError for
// non-integers, OverflowError when it does not fit.
long long int_argument(nb::handle h, const char* name, long long lo, long long hi);
unsigned long long uint_argument(nb::handle h, const char* name, unsigned long long hi);

// The items of any sequence that is not text.
std::vector<nb::handle> sequence_items(nb::handle h, const char* name, nb::list& keep_alive);

template <class T>
std::string type_label() {
  if constexpr (std::is_floating_point_v<T>) {
    return "float";
  } else if constexpr (std::is_same_v<T, bool>) {
    return "bool";
  } else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, SaalText>) {
    return "str";
  } else if constexpr (std::is_enum_v<T>) {
    return EnumInfo<T>::class_name;
  } else {
    nb::handle t = nb::type<T>();
    return t.is_valid() ? std::string(nb::type_name(t).c_str()) : "a compatible object";
  }
}

// Classes bound with nb::class_ (as opposed to numbers, text, enumerations).
template <class T>
constexpr bool is_bound_class_v = nb::detail::is_base_caster_v<nb::detail::make_caster<T>>;

// The C++ instance inside a Python object of a bound class.
template <class T>
T& bound_instance(nb::handle h, const char* name) {
  T* instance = nullptr;
  if (!nb::try_cast<T*>(h, instance, false) || instance == nullptr) {
    if (PyErr_Occurred()) PyErr_Clear();
    raise_argument_type_error(name, type_label<T>(), h);
  }
  return *instance;
}

template <class T>
struct ArgConverter {
  static T convert(nb::handle h, const char* name) {
    if constexpr (is_bound_class_v<T>) {
      return T(bound_instance<T>(h, name));
    } else {
      return convert_plain(h, name);
    }
  }

 private:
  static T convert_plain(nb::handle h, const char* name) {
    T out{};
    if (!nb::try_cast<T>(h, out, true)) {
      if (PyErr_Occurred()) PyErr_Clear();
      raise_argument_type_error(name, type_label<T>(), h);
    }
    return out;
  }
};

// Any real number: float, int, or an object with __float__ or __index__.
// An int too large for a double is an OverflowError, as float() says.
double float_argument(nb::handle h, const char* name);

template <class T>
  requires std::is_floating_point_v<T>
struct ArgConverter<T> {
  static T convert(nb::handle h, const char* name) { return static_cast<T>(float_argument(h, name)); }
};

template <class T>
  requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
struct ArgConverter<T> {
  static T convert(nb::handle h, const char* name) {
    if constexpr (std::is_signed_v<T>) {
      return static_cast<T>(int_argument(h, name, std::numeric_limits<T>::min(),
                                         std::numeric_limits<T>::max()));
    } else {
      return static_cast<T>(uint_argument(h, name, std::numeric_limits<T>::max()));
    }
  }
};

template <class T>
struct ArgConverter<std::optional<T>> {
  static std::optional<T> convert(nb::handle h, const char* name) {
    if (!h.is_valid() || h.is_none()) return std::nullopt;
    return ArgConverter<T>::convert(h, name);
  }
};

template <class T, std::size_t N>
struct ArgConverter<std::array<T, N>> {
  static std::array<T, N> convert(nb::handle h, const char* name) {
    nb::list keep;
    std::vector<nb::handle> items = sequence_items(h, name, keep);
    if (items.size() != N) raise_sequence_length(N, items.size());
    std::array<T, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = ArgConverter<T>::convert(items[i], name);
    return out;
  }
};

template <class T>
struct ArgConverter<std::vector<T>> {
  static std::vector<T> convert(nb::handle h, const char* name) {
    nb::list keep;
    std::vector<nb::handle> items = sequence_items(h, name, keep);
    std::vector<T> out;
    out.reserve(items.size());
    for (nb::handle item : items) out.push_back(ArgConverter<T>::convert(item, name));
    return out;
  }
};

template <>
struct ArgConverter<nb::object> {
  static nb::object convert(nb::handle h, const char*) { return nb::borrow(h); }
};

template <>
struct ArgConverter<nb::handle> {
  static nb::handle convert(nb::handle h, const char*) { return h; }
};

// How a converted argument is held for the call: a reference parameter of a
// bound class refers to the instance inside the Python argument (alive for the
// whole call, never copied); everything else is converted into a value, so a
// `const T&` parameter never binds to a temporary.
template <class Arg>
using Stored = std::conditional_t<std::is_lvalue_reference_v<Arg> &&
                                      is_bound_class_v<std::remove_cvref_t<Arg>>,
                                  std::reference_wrapper<std::remove_reference_t<Arg>>,
                                  std::remove_cvref_t<Arg>>;

template <class Arg>
Stored<Arg> convert_arg(nb::handle h, const char* name) {
  using T = std::remove_cvref_t<Arg>;
  if constexpr (std::is_lvalue_reference_v<Arg> && is_bound_class_v<T>) {
    return std::ref(static_cast<Arg>(bound_instance<T>(h, name)));
  } else {
    return ArgConverter<T>::convert(h, name);
  }
}

// ---- calling ---------------------------------------------------------------

namespace detail {

template <class F>
struct callable_traits : callable_traits<decltype(&std::remove_cvref_t<F>::operator())> {};
template <class R, class... A>
struct callable_traits<R (*)(A...)> {
  using result = R;
  using args = std::tuple<A...>;
};
template <class R, class C, class... A>
struct callable_traits<R (C::*)(A...) const> {
  using result = R;
  using args = std::tuple<A...>;
};
template <class R, class C, class... A>
struct callable_traits<R (C::*)(A...)> {
  using result = R;
  using args = std::tuple<A...>;
};

template <class R>
nb::object to_python(R&& value) {
  return nb::cast(std::forward<R>(value), nb::rv_policy::move);
}

// Converts the slots into the callable's parameters (after `skip` leading
// ones supplied by the caller, such as self) and calls it.
template <class Fn, class Tuple, std::size_t Skip, class... Lead, std::size_t... I>
nb::object call_with_slots(const Fn& fn, const Params& params, nb::handle* slots,
                           std::index_sequence<I...>, Lead&&... lead) {
  using Args = Tuple;
  using R = typename callable_traits<Fn>::result;
  // Brace initialisation converts in parameter order.
  std::tuple<Stored<std::tuple_element_t<Skip + I, Args>>...> converted{
      convert_arg<std::tuple_element_t<Skip + I, Args>>(slots[I], params[I].name)...};
  auto invoke = [&](auto&&... a) -> decltype(auto) {
    return std::invoke(fn, std::forward<Lead>(lead)..., std::move(a)...);
  };
  if constexpr (std::is_void_v<R>) {
    std::apply(invoke, std::move(converted));
    return nb::none();
  } else {
    return to_python(std::apply(invoke, std::move(converted)));
  }
}

template <std::size_t Skip, class Fn, class... Lead>
nb::object call(const char* name, const Fn& fn, const Params& params, nb::args args, nb::kwargs kwargs,
                Lead&&... lead) {
  using Args = typename callable_traits<Fn>::args;
  constexpr std::size_t N = std::tuple_size_v<Args> - Skip;
  std::array<nb::handle, N + 1> slots{};
  bind_slots(name, params, args, kwargs, slots.data());
  return call_with_slots<Fn, Args, Skip>(fn, params, slots.data(), std::make_index_sequence<N>{},
                                         std::forward<Lead>(lead)...);
}

template <class Fn>
constexpr std::size_t arity() {
  return std::tuple_size_v<typename callable_traits<Fn>::args>;
}

void check_param_count(const char* name, std::size_t declared, std::size_t expected);

}  // namespace detail

// Appends `name` to the module's `__all__`, creating the list on first use.
void add_to_all(nb::module_& m, const char* name);

// Sets `name` on the module and appends it to `__all__`.
void add_member(nb::module_& m, const char* name, nb::handle value);

template <class Fn>
void def_function(nb::module_& m, const char* name, Fn fn, Params params = {}) {
  detail::check_param_count(name, params.size(), detail::arity<Fn>());
  m.def(name, [fn, params, name](nb::args args, nb::kwargs kwargs) {
    return detail::call<0>(name, fn, params, args, kwargs);
  });
  add_to_all(m, name);
}

// ---- classes ---------------------------------------------------------------

[[noreturn]] void raise_no_constructor(const char* name);

// Calling the class raises TypeError "No constructor defined for <name>".
template <class T>
void refuse_construction(nb::class_<T>& cls, const char* name) {
  cls.def("__init__", [name](T*, nb::args, nb::kwargs) { raise_no_constructor(name); });
}

// A class of `m`, named `name`, reporting `__module__` builtins, listed in
// `__all__`. Calling it raises TypeError "No constructor defined for <name>";
// instances come from the C++ side.
template <class T>
nb::class_<T> add_class(nb::module_& m, const char* name) {
  nb::class_<T> cls(m, name);
  cls.attr("__module__") = "builtins";
  refuse_construction(cls, name);
  add_to_all(m, name);
  return cls;
}

// Like add_class, for a class with a Python constructor: follow with def_init.
template <class T>
nb::class_<T> add_constructible_class(nb::module_& m, const char* name) {
  nb::class_<T> cls(m, name);
  cls.attr("__module__") = "builtins";
  add_to_all(m, name);
  return cls;
}

// Like add_class, for a class that no module lists (reachable only through
// type() of its instances).
template <class T>
nb::class_<T> add_unlisted_class(nb::module_& m, const char* name) {
  nb::class_<T> cls(m, name);
  cls.attr("__module__") = "builtins";
  refuse_construction(cls, name);
  nb::delattr(m, name);
  return cls;
}

// Gives the class a constructor built by `make(args...)`.
template <class T, class Make>
void def_init(nb::class_<T>& cls, Make make, Params params = {}) {
  detail::check_param_count("__init__", params.size(), detail::arity<Make>());
  cls.def("__init__", [make, params](T* self, nb::args args, nb::kwargs kwargs) {
    using Args = typename detail::callable_traits<Make>::args;
    constexpr std::size_t N = std::tuple_size_v<Args>;
    std::array<nb::handle, N + 1> slots{};
    bind_slots("__init__", params, args, kwargs, slots.data());
    auto build = [&]<std::size_t... I>(std::index_sequence<I...>) {
      std::tuple<Stored<std::tuple_element_t<I, Args>>...> converted{
          convert_arg<std::tuple_element_t<I, Args>>(slots[I], params[I].name)...};
      return std::apply(make, std::move(converted));
    };
    new (self) T(build(std::make_index_sequence<N>{}));
  });
}

// A method; `fn` takes the instance (T& or const T&) first.
template <class T, class Fn>
void def_method(nb::class_<T>& cls, const char* name, Fn fn, Params params = {}) {
  detail::check_param_count(name, params.size() + 1, detail::arity<Fn>());
  cls.def(name, [fn, params, name](T& self, nb::args args, nb::kwargs kwargs) {
    return detail::call<1>(name, fn, params, args, kwargs, self);
  });
}

template <class T, class Fn>
void def_static(nb::class_<T>& cls, const char* name, Fn fn, Params params = {}) {
  detail::check_param_count(name, params.size(), detail::arity<Fn>());
  cls.def_static(name, [fn, params, name](nb::args args, nb::kwargs kwargs) {
    return detail::call<0>(name, fn, params, args, kwargs);
  });
}

// A class attribute holding a constant.
template <class T, class V>
void def_constant(nb::class_<T>& cls, const char* name, V value) {
  cls.attr(name) = nb::cast(value);
}

nb::object make_property(nb::handle getter, nb::handle setter);

// A read-only property; `get` takes const T&.
template <class T, class Get>
void def_readonly(nb::class_<T>& cls, const char* name, Get get) {
  nb::object getter = nb::cpp_function([get](const T& self) { return get(self); });
  cls.attr(name) = make_property(getter, nb::none());
}

// A settable property; `set` takes (T&, value) and may return a Status, whose
// failure raises ValueError.
template <class T, class Get, class Set>
void def_property(nb::class_<T>& cls, const char* name, Get get, Set set) {
  using Value = std::tuple_element_t<1, typename detail::callable_traits<Set>::args>;
  using R = typename detail::callable_traits<Set>::result;
  nb::object getter = nb::cpp_function([get](const T& self) { return get(self); });
  // The value may be None: optional properties are cleared by assigning it.
  nb::object setter = nb::cpp_function(
      [set, name](T& self, nb::handle value) {
        if constexpr (std::is_void_v<R>) {
          set(self, convert_arg<Value>(value, name));
        } else {
          unwrap(set(self, convert_arg<Value>(value, name)), PyExc_ValueError);
        }
      },
      nb::arg("self"), nb::arg("value").none());
  cls.attr(name) = make_property(getter, setter);
}

// Text arguments that the layer reads as zero-terminated strings: a zero
// character inside would silently cut them, so it is a fault.
std::string zero_terminated(const std::string& text);

}  // namespace qv::py
