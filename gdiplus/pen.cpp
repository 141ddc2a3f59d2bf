// Pen operations: the table's rows, and the ones that fill arrays or combine calls.
#include "gdiplus/pen.h"

#include "gdiplus/brush.h"

namespace gdip {

#define GDIP_OPT(value)
#define GDIP_ROW(kind, name, params, args) GDIP_DEFINE_ROW(Pen, pen_, kind, name, params, args)
GDIP_PEN_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

bool Pen::RotateAt(REAL angle, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order, [&](REAL dx, REAL dy) { return GdipTranslatePenTransform(dx, dy, order); },
      [&] { return GdipRotatePenTransform(angle, order); });
}

bool Pen::ScaleAt(REAL sx, REAL sy, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order, [&](REAL dx, REAL dy) { return GdipTranslatePenTransform(dx, dy, order); },
      [&] { return GdipScalePenTransform(sx, sy, order); });
}

int32_t Pen::GetPenDashArray(Reals& dashes) {
  return CountThenFill(GDIP_FLAT(GdipGetPenDashCount), GDIP_FLAT(GdipGetPenDashArray), pen_,
                       dashes);
}

int32_t Pen::GetPenCompoundArray(Reals& values) {
  return CountThenFill(GDIP_FLAT(GdipGetPenCompoundCount), GDIP_FLAT(GdipGetPenCompoundArray), pen_,
                       values);
}

}  // namespace gdip
