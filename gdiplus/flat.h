// The GDI+ flat interface, resolved by name in gdiplus.dll at run time, and the argument passing
// shared by every wrapper operation.
#pragma once

#include <windows.h>
// The platform header declares the flat functions (Gdiplus::DllExports); only their types are used
// here, never their link-time symbols.
#include <gdiplus.h>

#include <tuple>
#include <type_traits>
#include <utility>

namespace gdip {

class NativeWrapper;

// GDI+ status values the layer produces itself.
inline constexpr int kOk = 0;
inline constexpr int kInvalidParameter = 2;
inline constexpr int kNotImplemented = 6;  // the function is missing from gdiplus.dll

namespace flat {

// Address of the named export of gdiplus.dll (loaded on first use), or null.
FARPROC Find(const char* name);

template <typename Fn>
struct Signature;
template <typename R, typename... P>
struct Signature<R(WINGDIPAPI*)(P...)> {
  using Params = std::tuple<P...>;
};

// One argument as the flat function's parameter P wants it: a wrapper becomes its native pointer,
// the layer's value types become the GDI+ types of the same layout, numbers become enumerations.
template <typename P, typename A>
decltype(auto) Pass(A&& arg) {
  using D = std::remove_cvref_t<A>;
  if constexpr (std::is_base_of_v<NativeWrapper, D>) {
    return static_cast<P>(arg.GetNative());
  } else if constexpr (std::is_pointer_v<P> && std::is_pointer_v<std::decay_t<A>>) {
    return reinterpret_cast<P>(static_cast<std::decay_t<A>>(arg));
  } else if constexpr (std::is_reference_v<P>) {
    return reinterpret_cast<P>(arg);
  } else {
    return static_cast<P>(arg);
  }
}

template <typename Fn, typename... A, size_t... I>
int InvokeWith(Fn fn, std::index_sequence<I...>, A&&... args) {
  using Params = typename Signature<Fn>::Params;
  return static_cast<int>(fn(Pass<std::tuple_element_t<I, Params>>(std::forward<A>(args))...));
}

// Calls a resolved flat function; a function missing from the library reports kNotImplemented.
template <typename Fn, typename... A>
int Invoke(Fn fn, A&&... args) {
  static_assert(std::tuple_size_v<typename Signature<Fn>::Params> == sizeof...(A),
                "argument count differs from the flat function's");
  if (fn == nullptr) return kNotImplemented;
  return InvokeWith(fn, std::index_sequence_for<A...>{}, std::forward<A>(args)...);
}

}  // namespace flat
}  // namespace gdip

// The export `name` of gdiplus.dll typed as the declaration `declared`, looked up once per use
// site and cached (null when the library lacks it).
#define GDIP_RESOLVE(declared, name)                                                     \
  ([]() -> decltype(&declared) {                                                        \
    static const auto fn = reinterpret_cast<decltype(&declared)>(::gdip::flat::Find(name)); \
    return fn;                                                                          \
  }())
// The flat function `name`.
#define GDIP_FLAT(name) GDIP_RESOLVE(::Gdiplus::DllExports::name, #name)
