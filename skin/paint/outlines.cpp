// Rounded outlines, glow strokes and the COLORREF to ARGB conversion.
#include "skin/paint/outlines.h"

#include <algorithm>

namespace skin {

void AddRoundedRectangle(gdip::GraphicsPath& path, gdip::REAL x, gdip::REAL y, gdip::REAL width,
                         gdip::REAL height, int corner) {
  const gdip::REAL r = static_cast<gdip::REAL>(std::clamp(corner, 1, 100));
  path.GdipAddPathArc(x + width - r, y, r, r, 270, 90);
  path.GdipAddPathArc(x + width - r - 1, y + height - r - 1, r + 1, r + 1, 0, 90);
  path.GdipAddPathArc(x, y + height - r, r, r, 90, 90);
  path.GdipAddPathArc(x, y, r, r, 180, 90);
  path.GdipClosePathFigure();
}

void AddTabOutline(gdip::GraphicsPath& path, int x, int y, int width, int height, int corner) {
  path.GdipAddPathLineI(x, y + height, x, y + corner);
  path.GdipAddPathArcI(x, y, corner, corner, 180, 90);
  path.GdipAddPathLineI(x + corner, y, x + width - corner, y);
  path.GdipAddPathArcI(x + width - corner, y, corner, corner, 270, 90);
  path.GdipAddPathLineI(x + width, y + corner, x + width, y + height);
}

void StrokeGlow(gdip::Graphics& graphics, const gdip::GraphicsPath& path, int count, COLORREF colour,
                int alpha) {
  gdip::Pen pen;
  pen.GdipCreatePen1(ToArgb(colour, alpha, true), 1.0f);
  for (int i = 1; i <= count; ++i) {
    pen.GdipSetPenWidth(static_cast<gdip::REAL>(i));
    graphics.GdipDrawPath(pen, path);
  }
}

gdip::ARGB ToArgb(COLORREF colour, int alpha, bool useAlpha) {
  const gdip::ARGB a = useAlpha ? static_cast<gdip::ARGB>(alpha & 0xFF) : 0xFFu;
  return a << 24 | static_cast<gdip::ARGB>(GetRValue(colour)) << 16 |
         static_cast<gdip::ARGB>(GetGValue(colour)) << 8 | GetBValue(colour);
}

}  // namespace skin
