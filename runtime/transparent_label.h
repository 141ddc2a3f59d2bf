// Transparent label: a child window that draws its text on whatever lies under it.
#pragma once

#include <windows.h>

namespace runtime {

// Window class of transparent labels. Create them as children with WS_EX_TRANSPARENT; give them a
// font with WM_SETFONT (the stock GUI font otherwise; the label does not own the font). A label
// never paints a background. When its caption or visibility changes it has its parent repaint the
// area under it, so no stale text remains.
inline constexpr char kTransparentLabelClass[] = "QuizmoorTransparentLabel";

// The class description for registration (runtime/program.cpp registers it).
WNDCLASSEXA TransparentLabelClass(HINSTANCE instance);

}  // namespace runtime
