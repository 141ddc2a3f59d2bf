// Brush operations: the tables' rows, and the ones that check or fill arrays or combine calls.
#include "gdiplus/brush.h"

#include "gdiplus/path.h"

namespace gdip {

#define GDIP_OPT(value)
#define GDIP_ROW(kind, name, params, args) GDIP_DEFINE_ROW(Brush, brush_, kind, name, params, args)
GDIP_BRUSH_TABLE(GDIP_ROW)
#undef GDIP_ROW
#define GDIP_ROW(kind, name, params, args) \
  GDIP_DEFINE_ROW(SolidBrush, solid_, kind, name, params, args)
GDIP_SOLID_BRUSH_TABLE(GDIP_ROW)
#undef GDIP_ROW
#define GDIP_ROW(kind, name, params, args) \
  GDIP_DEFINE_ROW(LinearGradientBrush, line_, kind, name, params, args)
GDIP_LINE_BRUSH_TABLE(GDIP_ROW)
#undef GDIP_ROW
#define GDIP_ROW(kind, name, params, args) \
  GDIP_DEFINE_ROW(PathGradientBrush, gradient_, kind, name, params, args)
GDIP_PATH_GRADIENT_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

// ---- LinearGradientBrush

bool LinearGradientBrush::GetLineColors(ARGB& startColour, ARGB& endColour) {
  ARGB colours[2] = {};
  const bool ok = Action(GDIP_FLAT(GdipGetLineColors), line_, colours);
  startColour = colours[0];
  endColour = colours[1];
  return ok;
}

// The blend setters hand GDI+ one count for two arrays, so unequal arrays are refused.
bool LinearGradientBrush::GdipSetLineBlend(const Reals& factors, const Reals& positions) {
  if (factors.Count() != positions.Count()) return RejectInvalidParameter();
  return Action(GDIP_FLAT(GdipSetLineBlend), line_, factors.Data(), positions.Data(),
                factors.Count());
}

int32_t LinearGradientBrush::GetLineBlend(Reals& factors, Reals& positions) {
  return CountThenFill(GDIP_FLAT(GdipGetLineBlendCount), GDIP_FLAT(GdipGetLineBlend), line_,
                       factors, positions);
}

bool LinearGradientBrush::GdipSetLinePresetBlend(const Colours& colours, const Reals& positions) {
  if (colours.Count() != positions.Count()) return RejectInvalidParameter();
  return Action(GDIP_FLAT(GdipSetLinePresetBlend), line_, colours.Data(), positions.Data(),
                colours.Count());
}

int32_t LinearGradientBrush::GetLinePresetBlend(Colours& colours, Reals& positions) {
  return CountThenFill(GDIP_FLAT(GdipGetLinePresetBlendCount), GDIP_FLAT(GdipGetLinePresetBlend),
                       line_, colours, positions);
}

bool LinearGradientBrush::ScaleAt(REAL sx, REAL sy, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order, [&](REAL dx, REAL dy) { return GdipTranslateLineTransform(dx, dy, order); },
      [&] { return GdipScaleLineTransform(sx, sy, order); });
}

bool LinearGradientBrush::RotateAt(REAL angle, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order, [&](REAL dx, REAL dy) { return GdipTranslateLineTransform(dx, dy, order); },
      [&] { return GdipRotateLineTransform(angle, order); });
}

// ---- PathGradientBrush

bool PathGradientBrush::GdipGetPathGradientSurroundColorsWithCount(Colours& colours,
                                                                   int32_t& count) {
  // GDI+ writes up to `count` colours into the caller's array.
  if (count > colours.Count()) return RejectInvalidParameter();
  return Action(GDIP_FLAT(GdipGetPathGradientSurroundColorsWithCount), gradient_, colours.Data(),
                &count);
}

bool PathGradientBrush::GdipSetPathGradientSurroundColorsWithCount(const Colours& colours,
                                                                   int32_t* count) {
  INT taken = colours.Count();
  if (count != nullptr) {
    // GDI+ reads `count` colours from the caller's array.
    if (*count > colours.Count()) return RejectInvalidParameter();
    taken = *count;
  }
  const bool ok = Action(GDIP_FLAT(GdipSetPathGradientSurroundColorsWithCount), gradient_,
                         colours.Data(), &taken);
  if (count != nullptr) *count = taken;
  return ok;
}

bool PathGradientBrush::GdipSetPathGradientBlend(const Reals& factors, const Reals& positions) {
  if (factors.Count() != positions.Count()) return RejectInvalidParameter();
  return Action(GDIP_FLAT(GdipSetPathGradientBlend), gradient_, factors.Data(), positions.Data(),
                factors.Count());
}

int32_t PathGradientBrush::GetPathGradientBlend(Reals& factors, Reals& positions) {
  return CountThenFill(GDIP_FLAT(GdipGetPathGradientBlendCount),
                       GDIP_FLAT(GdipGetPathGradientBlend), gradient_, factors, positions);
}

bool PathGradientBrush::GdipSetPathGradientPresetBlend(const Colours& colours,
                                                       const Reals& positions) {
  if (colours.Count() != positions.Count()) return RejectInvalidParameter();
  return Action(GDIP_FLAT(GdipSetPathGradientPresetBlend), gradient_, colours.Data(),
                positions.Data(), colours.Count());
}

int32_t PathGradientBrush::GetPathGradientPresetBlend(Colours& colours, Reals& positions) {
  return CountThenFill(GDIP_FLAT(GdipGetPathGradientPresetBlendCount),
                       GDIP_FLAT(GdipGetPathGradientPresetBlend), gradient_, colours, positions);
}

bool PathGradientBrush::ScaleAt(REAL sx, REAL sy, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order,
      [&](REAL dx, REAL dy) { return GdipTranslatePathGradientTransform(dx, dy, order); },
      [&] { return GdipScalePathGradientTransform(sx, sy, order); });
}

bool PathGradientBrush::RotateAt(REAL angle, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order,
      [&](REAL dx, REAL dy) { return GdipTranslatePathGradientTransform(dx, dy, order); },
      [&] { return GdipRotatePathGradientTransform(angle, order); });
}

}  // namespace gdip
