// Transparent label: window class and procedure.
#include "runtime/transparent_label.h"

#include "runtime/scoped_gdi.h"
#include "runtime/text.h"

namespace runtime {
namespace {

// Window extra bytes: the borrowed font set by WM_SETFONT.
constexpr int kFontSlot = 0;

HFONT LabelFont(HWND label) {
  const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Has the parent repaint (and erase) the area under the label, the label included.
void RepaintUnder(HWND label) {
  const HWND parent = GetParent(label);
  RECT rect{};
  GetWindowRect(label, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Text only: the background stays what the parent painted.
void Paint(HWND label) {
  ScopedPaint paint(label);
  RECT client{};
  GetClientRect(label, &client);
  const Text text = WindowText(label);
  ScopedSelect font(paint.Dc(), LabelFont(label));
  SetBkMode(paint.Dc(), TRANSPARENT);
  SetTextColor(paint.Dc(), GetSysColor(COLOR_BTNTEXT));
  DrawTextA(paint.Dc(), text.c_str(), static_cast<int>(text.size()), &client,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(label);
      return 0;
    case WM_SETFONT:
      SetWindowLongPtrA(label, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(label, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      RepaintUnder(label);
      return result;
    }
    case WM_SHOWWINDOW:
      RepaintUnder(label);
      break;
  }
  return DefWindowProcA(label, message, wParam, lParam);
}

}  // namespace

WNDCLASSEXA TransparentLabelClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &LabelProc;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kTransparentLabelClass;
  return windowClass;
}

}  // namespace runtime
