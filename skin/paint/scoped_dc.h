// Scoped device contexts of the painting primitives: a memory DC of our own, and a window's DC.
#pragma once

#include <windows.h>

namespace skin {

// A DC made with CreateCompatibleDC; deleted when it goes.
class OwnedMemoryDc {
 public:
  explicit OwnedMemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  OwnedMemoryDc(const OwnedMemoryDc&) = delete;
  OwnedMemoryDc& operator=(const OwnedMemoryDc&) = delete;
  ~OwnedMemoryDc() {
    if (dc_) DeleteDC(dc_);
  }

  [[nodiscard]] HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// GetDC on construction, ReleaseDC on destruction.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }

  [[nodiscard]] HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace skin
