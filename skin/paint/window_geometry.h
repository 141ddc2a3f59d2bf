// Rectangles that relate a window to its parent, root and registered top-level window; questions
// about window classes and styles; clipping out and invalidating child windows.
#pragma once

#include <windows.h>

#include "runtime/text.h"
#include "skin/paint/scoped_dc.h"

namespace skin {

// The window rectangle of `window` relative to the window rectangle of its registered top-level
// window; all zeros when `window` is itself registered.
RECT OffsetInTopLevel(HWND window);

// The window rectangle of `window` minus the left and top of `reference`'s window rectangle.
RECT RectRelativeTo(HWND reference, HWND window);

// RectRelativeTo the root ancestor (GA_ROOT) of `window`.
RECT RectRelativeToRoot(HWND window);

// The client area in the window's own window coordinates, taking the borders as equal on both
// sides and a scroll bar as 17 pixels.
RECT ClientRectInWindow(HWND window);

// The window rectangle relative to the parent's client area; all zeros for a registered window.
RECT ChildRectInParentClient(HWND window);

// The class name (at most 255 characters).
runtime::Text WindowClassName(HWND window);

// A "ListBox" with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawListBox(HWND window);

// The low style bits are those of BS_AUTORADIOBUTTON.
bool IsAutoRadioButton(HWND window);

// Excludes from `dc`'s clip the rectangle of every direct child of `window` that is visible and not
// WS_EX_TRANSPARENT; returns `dc`.
HDC ExcludeChildWindows(HWND window, HDC dc);

// ExcludeChildWindows on the window's own DC: GetDC on construction, ReleaseDC on destruction.
class ScopedExcludeChildWindows {
 public:
  explicit ScopedExcludeChildWindows(HWND window) : dc_(window) { ExcludeChildWindows(window, dc_.Get()); }

  [[nodiscard]] HDC Dc() const { return dc_.Get(); }

 private:
  ScopedWindowDc dc_;
};

// InvalidateRect, with erasing, of every visible direct child of `window`.
void InvalidateVisibleChildren(HWND window);

}  // namespace skin
