// Shared fixture of the painting-primitive tests: GDI+ for the program, pictures whose pixels name
// their own position, real windows, and records registered straight into WindowRegistry.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "skin/engine/registry.h"
#include "skin/paint/memory_dc_table.h"
#include "tests/gdiplus/gdiplus_fixture.h"

namespace paint_test {

// 0x00RRGGBB, as a 32-bit DIB holds a pixel.
using Rgb = uint32_t;
using Pattern = std::function<Rgb(int x, int y)>;

// The back buffer's picture: red is x, green is y, blue 0x40.
inline Rgb FramePattern(int x, int y) { return (x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40; }
// A container's own composed background: red is y, green is x, blue 0xC0.
inline Rgb ContainerPattern(int x, int y) { return (y & 0xFF) << 16 | (x & 0xFF) << 8 | 0xC0; }

// `colour` (0x00RRGGBB) laid over `under` at `alpha`.
inline Rgb Blend(Rgb under, Rgb colour, int alpha) {
  Rgb out = 0;
  for (int shift : {16, 8, 0}) {
    const int u = (under >> shift) & 0xFF, c = (colour >> shift) & 0xFF;
    out |= static_cast<Rgb>((c * alpha + u * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

// Red, green and blue of `pixel` each within `tolerance` of `want`'s.
inline ::testing::AssertionResult Near(Rgb pixel, Rgb want, int tolerance = 3) {
  for (int shift : {16, 8, 0}) {
    const int got = (pixel >> shift) & 0xFF, expected = (want >> shift) & 0xFF;
    if (got < expected - tolerance || got > expected + tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "pixel %06X, expected about %06X", pixel & 0xFFFFFF,
                    want & 0xFFFFFF);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

// How many of `count` new GDI objects can still be made; each is deleted again.
inline int NewGdiObjectsPossible(int count) {
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < count; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  int made = 0;
  for (HBRUSH brush : brushes) {
    if (brush) ++made;
    DeleteObject(brush);
  }
  return made;
}

// A width x height top-down 32-bit DIB in a memory DC of its own, filled from a pattern.
class Picture {
 public:
  Picture(int width, int height, const Pattern& pattern) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    uint32_t* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) bits[y * width + x] = 0xFF000000 | pattern(x, y);
    }
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// The pixels (0x00RRGGBB, row by row) of a bitmap, read through GetDIBits.
class Pixels {
 public:
  Pixels(HBITMAP bitmap) {
    BITMAP shape{};
    GetObjectA(bitmap, sizeof shape, &shape);
    width_ = shape.bmWidth;
    height_ = shape.bmHeight;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height_, pixels_.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
  }
  // The bitmap selected into `dc`.
  static Pixels Of(HDC dc) { return Pixels(static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP))); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF; }

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

// Windows made by a test, destroyed with it; WindowRegistry starts and ends empty and every
// MemoryDcTable entry a test makes is gone by its end.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::WindowRegistry.Clear();
    tableStart_ = skin::MemoryDcTable.Count();
  }
  void TearDown() override {
    skin::WindowRegistry.Clear();
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) DestroyWindow(*it);
    EXPECT_EQ(skin::MemoryDcTable.Count(), tableStart_) << "a memory DC was left in the table";
  }

  HWND Window(const char* className, DWORD style, int x, int y, int width, int height,
              HWND parent = nullptr, DWORD exStyle = 0) {
    HWND window = CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(window, nullptr) << className;
    windows_.push_back(window);
    return window;
  }
  HWND Child(HWND parent, int x, int y, int width, int height, const char* className = "BUTTON",
             DWORD style = WS_VISIBLE) {
    return Window(className, WS_CHILD | style, x, y, width, height, parent);
  }

  // A record for `window` at the next registry index, drawn from `backBuffer`.
  int Register(HWND window, HDC backBuffer = nullptr) {
    skin::SkinWindowRecord record;
    record.window = window;
    record.backBufferDc = backBuffer;
    const int index = skin::AppendRecord(record);
    SetPropA(window, "Hw_lbID", skin::PropertyValue(index));
    return index;
  }
  // Registers `panel` in record `record`'s panelList, filling the blank entry first.
  int AddPanel(int record, HWND panel, COLORREF veilColour = 0, int veilAlpha = 255,
               bool groupBox = false, bool paintsBackground = true) {
    auto& panels = skin::WindowRegistry[record].panelList;
    skin::PanelEntry& entry =
        panels.Count() == 1 && !panels[1].window ? panels[1] : panels.Append(skin::PanelEntry{});
    entry.window = panel;
    entry.veilColour = veilColour;
    entry.veilAlpha = veilAlpha;
    entry.groupBox = groupBox;
    entry.paintsBackground = paintsBackground;
    return panels.Count();
  }

  // The window rectangle of `window` relative to that of `reference`.
  static POINT Origin(HWND reference, HWND window) {
    RECT outer{}, inner{};
    GetWindowRect(reference, &outer);
    GetWindowRect(window, &inner);
    return {inner.left - outer.left, inner.top - outer.top};
  }

  int tableStart_ = 0;

 private:
  std::vector<HWND> windows_;
};

}  // namespace paint_test
