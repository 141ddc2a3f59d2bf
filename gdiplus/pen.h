// Pens: the Pen wrapper.
#pragma once

#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"

namespace gdip {

class Brush;

// Rows in the order of the operations after the creation from a colour; see rows.h for the kinds.
// Custom line caps are passed as any wrapper holding one.
#define GDIP_PEN_TABLE(ROW)                                                                        \
  ROW(CREATE, GdipCreatePen2, (const Brush& brush, REAL width, int32_t unit GDIP_OPT(0)),          \
    (, brush, width, unit))                                                                        \
  ROW(INTO, GdipClonePen, (NativeWrapper& target), ())                                             \
  ROW(GET_REAL, GdipGetPenWidth, (), ())                                                           \
  ROW(ACTION, GdipSetPenWidth, (REAL width), (, width))                                            \
  ROW(GET_INT, GdipGetPenUnit, (), ())                                                             \
  ROW(ACTION, GdipSetPenUnit, (REAL unit), (, static_cast<int32_t>(unit)))                         \
  ROW(ACTION, GdipSetPenLineCap197819, (int32_t startCap, int32_t endCap, int32_t dashCap),        \
    (, startCap, endCap, dashCap))                                                                 \
  ROW(ACTION, GdipSetPenStartCap, (int32_t cap), (, cap))                                          \
  ROW(ACTION, GdipSetPenEndCap, (int32_t cap), (, cap))                                            \
  ROW(ACTION, GdipSetPenDashCap197819, (int32_t dashCap), (, dashCap))                             \
  ROW(GET_INT, GdipGetPenStartCap, (), ())                                                         \
  ROW(GET_INT, GdipGetPenEndCap, (), ())                                                           \
  ROW(GET_INT, GdipGetPenDashCap197819, (), ())                                                    \
  ROW(ACTION, GdipSetPenLineJoin, (int32_t join), (, join))                                        \
  ROW(GET_INT, GdipGetPenLineJoin, (), ())                                                         \
  ROW(ACTION, GdipSetPenCustomStartCap, (const AnyWrapper& cap), (, cap))                          \
  ROW(INTO, GdipGetPenCustomStartCap, (NativeWrapper& target), ())                                 \
  ROW(ACTION, GdipSetPenCustomEndCap, (const AnyWrapper& cap), (, cap))                            \
  ROW(INTO, GdipGetPenCustomEndCap, (NativeWrapper& target), ())                                   \
  ROW(ACTION, GdipSetPenMiterLimit, (REAL limit), (, limit))                                       \
  ROW(GET_REAL, GdipGetPenMiterLimit, (), ())                                                      \
  ROW(ACTION, GdipSetPenMode, (int32_t alignment), (, alignment))                                  \
  ROW(GET_INT, GdipGetPenMode, (), ())                                                             \
  ROW(ACTION, GdipSetPenTransform, (const AnyWrapper& matrix), (, matrix))                         \
  ROW(ACTION, GdipGetPenTransform, (const AnyWrapper& matrix), (, matrix))                         \
  ROW(ACTION, GdipResetPenTransform, (), ())                                                       \
  ROW(ACTION, GdipMultiplyPenTransform, (const AnyWrapper& matrix, int32_t order GDIP_OPT(0)),     \
    (, matrix, order))                                                                             \
  ROW(ACTION, GdipRotatePenTransform, (REAL angle, int32_t order), (, angle, order))               \
  ROW(BY_HAND, RotateAt, (REAL angle, const PointF& centre, int32_t order GDIP_OPT(0)), ())        \
  ROW(ACTION, GdipScalePenTransform, (REAL sx, REAL sy, int32_t order), (, sx, sy, order))         \
  ROW(BY_HAND, ScaleAt, (REAL sx, REAL sy, const PointF& centre, int32_t order GDIP_OPT(0)), ())   \
  ROW(ACTION, GdipTranslatePenTransform, (REAL dx, REAL dy, int32_t order), (, dx, dy, order))     \
  ROW(GET_ARGB, GdipGetPenColor, (), ())                                                           \
  ROW(ACTION, GdipSetPenColor, (ARGB colour), (, colour))                                          \
  ROW(ACTION, GdipSetPenBrushFill, (const Brush& brush), (, brush))                                \
  ROW(INTO, GdipGetPenBrushFill, (Brush& target), ())                                              \
  ROW(GET_INT, GdipGetPenFillType, (), ())                                                         \
  ROW(ACTION, GdipSetPenDashStyle, (int32_t style), (, style))                                     \
  ROW(GET_INT, GdipGetPenDashStyle, (), ())                                                        \
  ROW(GET_REAL, GdipGetPenDashOffset, (), ())                                                      \
  ROW(ACTION, GdipSetPenDashOffset, (REAL offset), (, offset))                                     \
  ROW(BY_HAND_INT, GetPenDashArray, (Reals& dashes), ())                                           \
  ROW(ACTION, GdipSetPenDashArray, (const Reals& dashes), (, dashes.Data(), dashes.Count()))       \
  ROW(ACTION, GdipSetPenCompoundArray, (const Reals& values), (, values.Data(), values.Count()))   \
  ROW(BY_HAND_INT, GetPenCompoundArray, (Reals& values), ())

class Pen : public NativeWrapper {
 public:
  Pen() = default;
  ~Pen() override { Pen::Destroy(); }

  void Destroy() override { GdipDeletePen(); }
  bool GdipDeletePen() { return Delete(pen_, GDIP_FLAT(GdipDeletePen)); }
  // A pen of one colour; the unit defaults to 0 (world units).
  bool GdipCreatePen1(ARGB colour, REAL width, int32_t unit = 0) {
    return Create(GDIP_FLAT(GdipCreatePen1), colour, width, unit);
  }

#define GDIP_OPT(value) = value
  GDIP_PEN_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void StoreNative(void* pointer) override { pen_ = static_cast<Gdiplus::GpPen*>(pointer); }

 private:
  Gdiplus::GpPen* pen_ = nullptr;
};

}  // namespace gdip
