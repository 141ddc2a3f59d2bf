// The transparent label on screen: it draws only its text, and a new caption or hiding it leaves
// nothing of the old text behind. The form's background is made red so that any box the label
// painted, or any stale glyph, shows as a pixel that is not red.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/program.h"
#include "runtime/scoped_gdi.h"
#include "tests/runtime/form_test_window.h"

namespace runtime {
namespace {

using testing_window::kLabel;
constexpr COLORREF kRed = RGB(255, 0, 0);

// A copy of the screen's pixels in a rectangle (screen coordinates), row by row.
std::vector<COLORREF> ScreenPixels(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const OwnedGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  {
    ScopedSelect select(memory, bitmap.Get());
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::vector<COLORREF> pixels;
  const auto* bgra = static_cast<const BYTE*>(bits);
  for (int i = 0; i < width * height; ++i, bgra += 4) pixels.push_back(RGB(bgra[2], bgra[1], bgra[0]));
  return pixels;
}

class TransparentLabel : public ::testing::Test {
 protected:
  TransparentLabel() {
    original_ = SetClassLongPtrA(form_.Handle(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(red_.Get()));
    SetWindowPos(form_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  ~TransparentLabel() override {
    SetClassLongPtrA(form_.Handle(), GCLP_HBRBACKGROUND, original_);  // the class would delete ours
    DestroyWindow(form_.Handle());
    program_.RunMessageLoop();
  }

  // Screen rectangle of the label's columns from `left` to `right` (label coordinates).
  RECT LabelColumns(int left, int right) {
    RECT rect{};
    GetWindowRect(form_.ControlHandle(kLabel), &rect);
    return {rect.left + left, rect.top, rect.left + right, rect.bottom};
  }

  static bool AllRed(const RECT& rect) {
    for (COLORREF pixel : ScreenPixels(rect)) {
      if (pixel != kRed) return false;
    }
    return true;
  }

  // Processes messages (painting included) until `condition` holds or two seconds have passed.
  static bool PaintUntil(const std::function<bool()>& condition) {
    const ULONGLONG deadline = GetTickCount64() + 2000;
    do {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      if (condition()) return true;
      Sleep(10);
    } while (GetTickCount64() < deadline);
    return false;
  }

  const OwnedBrush red_{CreateSolidBrush(kRed)};
  std::vector<std::string> log_;
  Program program_;
  Form& form_ = program_.Load(testing_window::TestWindow(log_));
  LONG_PTR original_ = 0;
};

TEST_F(TransparentLabel, DrawsItsTextOnTheParentsBackgroundWithoutABox) {
  form_.SetCaption(kLabel, "标签");  // two glyphs, about 24 pixels
  ASSERT_TRUE(PaintUntil([&] { return !AllRed(LabelColumns(0, 30)); })) << "the text is drawn";
  EXPECT_TRUE(AllRed(LabelColumns(40, 200))) << "the rest of the label shows the parent";
}

TEST_F(TransparentLabel, ShorterCaptionLeavesNoStaleText) {
  form_.SetCaption(kLabel, std::string(30, 'W'));
  ASSERT_TRUE(PaintUntil([&] { return !AllRed(LabelColumns(60, 200)); }));
  form_.SetCaption(kLabel, "标");
  EXPECT_TRUE(PaintUntil([&] { return AllRed(LabelColumns(20, 200)); }));
}

TEST_F(TransparentLabel, HiddenLabelLeavesNoText) {
  ASSERT_TRUE(PaintUntil([&] { return !AllRed(LabelColumns(0, 200)); }));
  form_.SetVisible(kLabel, false);
  EXPECT_TRUE(PaintUntil([&] { return AllRed(LabelColumns(0, 200)); }));
}

}  // namespace
}  // namespace runtime
