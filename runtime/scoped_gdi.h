// Owning and scoped GDI helpers: an owned GDI object, a BeginPaint/EndPaint scope, a scoped selection.
#pragma once

#include <windows.h>

#include <utility>

namespace runtime {

// The one owner of a GDI object (font, brush, pen, bitmap, region); deletes it when it goes.
// Move-only; Get() lends the handle without giving up ownership.
template <typename Handle>
class OwnedGdiObject {
 public:
  OwnedGdiObject() = default;
  explicit OwnedGdiObject(Handle handle) : handle_(handle) {}
  OwnedGdiObject(OwnedGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedGdiObject& operator=(OwnedGdiObject&& other) noexcept {
    if (this != &other) {
      Delete();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedGdiObject(const OwnedGdiObject&) = delete;
  OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
  ~OwnedGdiObject() { Delete(); }

  [[nodiscard]] Handle Get() const { return handle_; }

 private:
  void Delete() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
  }

  Handle handle_ = nullptr;
};

using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;

// BeginPaint on construction, EndPaint on destruction.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  ~ScopedPaint() { EndPaint(window_, &paint_); }

  [[nodiscard]] HDC Dc() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// Selects a borrowed object into a device context and selects the previous one back when it goes.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace runtime
