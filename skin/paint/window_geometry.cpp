// Window rectangles, class and style questions, and child-window clipping and invalidation.
#include "skin/paint/window_geometry.h"

#include "skin/engine/registry.h"
#include "skin/paint/owner_lookup.h"

namespace skin {

namespace {

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// `rect` moved by minus (`left`, `top`).
RECT Shifted(RECT rect, LONG left, LONG top) {
  return {rect.left - left, rect.top - top, rect.right - left, rect.bottom - top};
}

// Half of `value`, rounded down.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

bool IsVisibleStyle(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// Calls `visit` with every direct child of `window`.
template <typename Visit>
void ForEachChild(HWND window, Visit visit) {
  for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(window, child, nullptr, nullptr)) {
    visit(child);
  }
}

}  // namespace

RECT OffsetInTopLevel(HWND window) {
  if (FindRecordIndex(window)) return {};
  const int record = FindTopLevelIndex(window);
  const HWND topLevel = record ? WindowRegistry[record].window : nullptr;
  HWND ancestor = GetParent(window);
  while (ancestor && ancestor != topLevel) ancestor = GetParent(ancestor);
  const RECT origin = WindowRectOf(ancestor);
  return Shifted(WindowRectOf(window), origin.left, origin.top);
}

RECT RectRelativeTo(HWND reference, HWND window) {
  const RECT origin = WindowRectOf(reference);
  return Shifted(WindowRectOf(window), origin.left, origin.top);
}

RECT RectRelativeToRoot(HWND window) { return RectRelativeTo(GetAncestor(window, GA_ROOT), window); }

RECT ClientRectInWindow(HWND window) {
  const RECT outer = WindowRectOf(window);
  RECT client{};
  GetClientRect(window, &client);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const int vertical = (style & WS_VSCROLL) ? 17 : 0;
  const int horizontal = (style & WS_HSCROLL) ? 17 : 0;
  const int clientWidth = client.right - client.left;
  const int clientHeight = client.bottom - client.top;
  const int left = FloorHalf((outer.right - outer.left) - (clientWidth + vertical));
  const int top = FloorHalf((outer.bottom - outer.top) - (clientHeight + horizontal));
  return {left, top, left + clientWidth, top + clientHeight};
}

RECT ChildRectInParentClient(HWND window) {
  if (FindRecordIndex(window)) return {};
  POINT origin{};
  ClientToScreen(GetParent(window), &origin);
  return Shifted(WindowRectOf(window), origin.x, origin.y);
}

runtime::Text WindowClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool IsOwnerDrawListBox(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  return WindowClassName(window) == "ListBox" && (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
}

bool IsAutoRadioButton(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & 0xF) == BS_AUTORADIOBUTTON;
}

HDC ExcludeChildWindows(HWND window, HDC dc) {
  ForEachChild(window, [dc](HWND child) {
    if (!IsVisibleStyle(child) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) return;
    const RECT rect = ChildRectInParentClient(child);
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  });
  return dc;
}

void InvalidateVisibleChildren(HWND window) {
  ForEachChild(window, [](HWND child) {
    if (IsVisibleStyle(child)) InvalidateRect(child, nullptr, TRUE);
  });
}

}  // namespace skin
