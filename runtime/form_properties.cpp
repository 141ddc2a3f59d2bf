// Form: reading and writing the top, caption and visibility of a control.
#include "runtime/form.h"

namespace runtime {
namespace {

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

int Form::Top(std::string_view control) const {
  const HWND window = ControlHandle(control);
  return window ? static_cast<int>(RectInParent(window).top) : 0;
}

void Form::SetTop(std::string_view control, int top) {
  const HWND window = ControlHandle(control);
  if (!window) return;
  const RECT rect = RectInParent(window);
  SetWindowPos(window, nullptr, rect.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Text Form::Caption(std::string_view control) const { return WindowText(ControlHandle(control)); }

void Form::SetCaption(std::string_view control, const Text& caption) {
  const HWND window = ControlHandle(control);
  if (window) SetWindowTextA(window, caption.c_str());
}

bool Form::Visible(std::string_view control) const {
  const HWND window = ControlHandle(control);
  return window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Form::SetVisible(std::string_view control, bool visible) {
  const HWND window = ControlHandle(control);
  if (window) ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace runtime
