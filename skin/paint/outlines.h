// The skin's outlines and colours: rounded rectangles, tab outlines, glow strokes, COLORREF to ARGB.
#pragma once

#include <windows.h>

#include "gdiplus/graphics.h"

namespace skin {

// Appends a closed rounded rectangle. `corner` is the edge of each corner arc's bounding box
// (clamped to 1..100), so the visible radius is half of it; the bottom-right box is one pixel
// larger and one pixel further in than the others.
void AddRoundedRectangle(gdip::GraphicsPath& path, gdip::REAL x, gdip::REAL y, gdip::REAL width,
                         gdip::REAL height, int corner);

// Appends an open outline of a tab: up the left side, round the two top corners, down the right
// side; the bottom stays open.
void AddTabOutline(gdip::GraphicsPath& path, int x, int y, int width, int height, int corner);

// Draws `path` `count` times with a pen of `colour` at `alpha`, widths 1 to count: a glow densest on
// the path itself.
void StrokeGlow(gdip::Graphics& graphics, const gdip::GraphicsPath& path, int count, COLORREF colour,
                int alpha);

// COLORREF (0x00BBGGRR) to GDI+ ARGB (0xAARRGGBB); the alpha is 255 unless `useAlpha`.
gdip::ARGB ToArgb(COLORREF colour, int alpha, bool useAlpha);

}  // namespace skin
