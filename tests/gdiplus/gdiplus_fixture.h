// Shared fixture of the GDI+ layer tests: GDI+ started for the test program, and a 32-bit
// top-down DIB section in a memory DC whose pixels the tests read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "gdiplus/native_wrapper.h"

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { token_ = gdip::StartGdiplus(); }
  void TearDown() override { gdip::StopGdiplus(token_); }

 private:
  ULONG_PTR token_ = 0;
};

// A width x height ARGB surface selected into a memory DC; pixels are 0xAARRGGBB.
class DibSurface {
 public:
  DibSurface(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~DibSurface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC Dc() const { return dc_; }
  uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x];
  }

 private:
  int width_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};
