// System values the program reads: the default window background colour and the screen size.
#pragma once

#include <windows.h>

namespace runtime {

// The colour a form's background has when nothing paints over it (the button face colour).
COLORREF DefaultBackgroundColour();

// Width and height of the primary screen in pixels.
SIZE ScreenSize();

}  // namespace runtime
