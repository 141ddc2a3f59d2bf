// What every GDI+ wrapper shares: the native pointer, the status convention, the result kinds,
// the layer's value types, GDI+ start-up and shut-down, and text conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "gdiplus/flat.h"
#include "runtime/byte_set.h"

namespace gdip {

using REAL = float;
using ARGB = uint32_t;

// Value types, laid out as GDI+ lays out its own (packed 4-byte fields).
struct PointF {
  REAL X = 0, Y = 0;
};
struct RectF {
  REAL X = 0, Y = 0, Width = 0, Height = 0;
};
struct PointI {
  int32_t X = 0, Y = 0;
};
struct RectI {
  int32_t X = 0, Y = 0, Width = 0, Height = 0;
};
static_assert(sizeof(PointF) == 8 && sizeof(RectF) == 16 && sizeof(PointI) == 8 && sizeof(RectI) == 16);

// Status of the most recent flat-interface call made by any wrapper operation.
extern int LastGdipStatus;
// The token of the last StartGdiplus, for a StopGdiplus without a token (0 when none).
extern ULONG_PTR StartupToken;

// Starts GDI+ (version defaults to 1); returns the token, 0 when start-up failed.
ULONG_PTR StartGdiplus(std::optional<uint32_t> version = std::nullopt);
// Shuts GDI+ down for `token` (default: StartupToken, which is then cleared). Each token that
// StartGdiplus handed out is shut down at most once, whoever asks; 0 and unknown tokens make no call.
void StopGdiplus(std::optional<ULONG_PTR> token = std::nullopt);

// ANSI text (system code page) as UTF-16 code units with a terminating zero unit.
runtime::ByteSet ToWideText(std::string_view text);
// Number of code units before the terminator of a wide text (0 for an empty set).
int WideLength(const runtime::ByteSet& wide);
// The wide text's code units, or null for an empty set.
const WCHAR* WideData(const runtime::ByteSet& wide);

// Base of every wrapper: holds at most one GDI+ object. Wrappers are not copied; each belongs to the
// routine or object that made it. Each class keeps a typed copy of the pointer (StoreNative).
class NativeWrapper {
 public:
  NativeWrapper(const NativeWrapper&) = delete;
  NativeWrapper& operator=(const NativeWrapper&) = delete;
  virtual ~NativeWrapper() = default;

  // Releases the GDI+ object; run by the destructor of each class that owns one.
  virtual void Destroy() {}
  [[nodiscard]] void* GetNative() const { return native_; }
  void SetNative(void* pointer) {
    native_ = pointer;
    StoreNative(pointer);
  }
  // Temporary buffers handed to GDI+ (GdipAlloc / GdipFree).
  static void* Alloc(size_t size);
  static void Free(void* pointer);

 protected:
  NativeWrapper() = default;
  virtual void StoreNative(void* pointer) = 0;
  // Moves `other`'s GDI+ object into this (empty) wrapper, leaving `other` empty.
  void TakeFrom(NativeWrapper& other) {
    void* pointer = other.native_;
    other.SetNative(nullptr);
    SetNative(pointer);
  }

  // Stores a call's status; true when it is 0.
  static bool Record(int status) {
    LastGdipStatus = status;
    return status == kOk;
  }
  // action: true when the call succeeded.
  template <typename Fn, typename... A>
  static bool Action(Fn fn, A&&... args) {
    return Record(flat::Invoke(fn, std::forward<A>(args)...));
  }
  // get / value: a zero-initialised output, returned whatever the status.
  template <typename T, typename Fn, typename... A>
  static T Get(Fn fn, A&&... args) {
    T out{};
    Record(flat::Invoke(fn, std::forward<A>(args)..., &out));
    return out;
  }
  // test: true when the output BOOL is non-zero.
  template <typename Fn, typename... A>
  static bool Test(Fn fn, A&&... args) {
    return Get<BOOL>(fn, std::forward<A>(args)...) != FALSE;
  }
  // create: GDI+ writes the new pointer over this wrapper's own (left as it was on failure).
  template <typename Fn, typename... A>
  bool Create(Fn fn, A&&... args) {
    void* pointer = native_;
    const bool ok = Record(flat::Invoke(fn, std::forward<A>(args)..., &pointer));
    SetNative(pointer);
    return ok;
  }
  // into: the new pointer goes to `target`, replacing (without deleting) what it held.
  template <typename Fn, typename... A>
  static bool Into(NativeWrapper& target, Fn fn, A&&... args) {
    void* pointer = nullptr;
    const bool ok = Record(flat::Invoke(fn, std::forward<A>(args)..., &pointer));
    target.SetNative(pointer);
    return ok;
  }
  // delete: no call (and no status) for an empty wrapper; else the call, then empty.
  template <typename Fn>
  bool Delete(void* own, Fn fn) {
    if (own == nullptr) return false;
    const int status = flat::Invoke(fn, own);
    SetNative(nullptr);
    return Record(status);
  }

 private:
  void* native_ = nullptr;
};

}  // namespace gdip
