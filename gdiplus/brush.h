// Brushes: the Brush base and the solid, linear-gradient and path-gradient brushes. Each leaf keeps
// its own typed copy of the GDI+ pointer, refreshed by NativeChanged whenever the base's changes.
#pragma once

#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"

namespace gdip {

class GraphicsPath;

// Rows of each class in the order of its operations; see rows.h for the kinds.
#define GDIP_BRUSH_TABLE(ROW)                                                                      \
  ROW(INTO, GdipCloneBrush, (NativeWrapper& target), ())                                           \
  ROW(GET_INT, GdipGetBrushType, (), ())

#define GDIP_SOLID_BRUSH_TABLE(ROW)                                                                \
  ROW(ACTION, GdipSetSolidFillColor, (ARGB colour), (, colour))                                    \
  ROW(GET_ARGB, GdipGetSolidFillColor, (), ())

// The creations always tile (wrap mode 0).
#define GDIP_LINE_BRUSH_TABLE(ROW)                                                                 \
  ROW(CREATE, GdipCreateLineBrush,                                                                 \
    (const PointF& start, const PointF& end, ARGB startColour, ARGB endColour),                    \
    (, &start, &end, startColour, endColour, 0))                                                   \
  ROW(CREATE, GdipCreateLineBrushI,                                                                \
    (const PointI& start, const PointI& end, ARGB startColour, ARGB endColour),                    \
    (, &start, &end, startColour, endColour, 0))                                                   \
  ROW(CREATE, GdipCreateLineBrushFromRect,                                                         \
    (const RectF& rect, ARGB startColour, ARGB endColour, int32_t gradientMode),                   \
    (, &rect, startColour, endColour, gradientMode, 0))                                            \
  ROW(CREATE, GdipCreateLineBrushFromRectI,                                                        \
    (const RectI& rect, ARGB startColour, ARGB endColour, int32_t gradientMode),                   \
    (, &rect, startColour, endColour, gradientMode, 0))                                            \
  ROW(CREATE, GdipCreateLineBrushFromRectWithAngle,                                                \
    (const RectF& rect, ARGB startColour, ARGB endColour, REAL angle, bool angleScalable),         \
    (, &rect, startColour, endColour, angle, angleScalable, 0))                                    \
  ROW(CREATE, GdipCreateLineBrushFromRectWithAngleI,                                               \
    (const RectI& rect, ARGB startColour, ARGB endColour, REAL angle, bool angleScalable),         \
    (, &rect, startColour, endColour, angle, angleScalable, 0))                                    \
  ROW(BY_HAND, GetLineColors, (ARGB& startColour, ARGB& endColour), ())                            \
  ROW(ACTION, GdipSetLineColors, (ARGB startColour, ARGB endColour), (, startColour, endColour))   \
  ROW(VALUE_RECTF, GdipGetLineRect, (), ())                                                        \
  ROW(VALUE_RECTI, GdipGetLineRectI, (), ())                                                       \
  ROW(ACTION, GdipSetLineGammaCorrection, (bool useGamma), (, useGamma))                           \
  ROW(TEST, GdipGetLineGammaCorrection, (), ())                                                    \
  ROW(BY_HAND, GdipSetLineBlend, (const Reals& factors, const Reals& positions), ())               \
  ROW(GET_INT, GdipGetLineBlendCount, (), ())                                                      \
  ROW(BY_HAND_INT, GetLineBlend, (Reals& factors, Reals& positions), ())                           \
  ROW(BY_HAND, GdipSetLinePresetBlend, (const Colours& colours, const Reals& positions),           \
    ())                                                                                            \
  ROW(GET_INT, GdipGetLinePresetBlendCount, (), ())                                                \
  ROW(BY_HAND_INT, GetLinePresetBlend, (Colours& colours, Reals& positions), ())                   \
  ROW(ACTION, GdipSetLineSigmaBlend, (REAL focus, REAL scale), (, focus, scale))                   \
  ROW(ACTION, GdipSetLineLinearBlend, (REAL focus, REAL scale), (, focus, scale))                  \
  ROW(GET_INT, GdipGetLineWrapMode, (), ())                                                        \
  ROW(ACTION, GdipSetLineWrapMode, (int32_t wrapMode), (, wrapMode))                               \
  ROW(ACTION, GdipGetLineTransform, (const AnyWrapper& matrix), (, matrix))                        \
  ROW(ACTION, GdipSetLineTransform, (const AnyWrapper& matrix), (, matrix))                        \
  ROW(ACTION, GdipResetLineTransform, (), ())                                                      \
  ROW(ACTION, GdipMultiplyLineTransform, (const AnyWrapper& matrix, int32_t order GDIP_OPT(0)),    \
    (, matrix, order))                                                                             \
  ROW(ACTION, GdipTranslateLineTransform, (REAL dx, REAL dy, int32_t order), (, dx, dy, order))    \
  ROW(ACTION, GdipScaleLineTransform, (REAL sx, REAL sy, int32_t order), (, sx, sy, order))        \
  ROW(BY_HAND, ScaleAt, (REAL sx, REAL sy, const PointF& centre, int32_t order GDIP_OPT(0)), ())   \
  ROW(ACTION, GdipRotateLineTransform, (REAL angle, int32_t order), (, angle, order))              \
  ROW(BY_HAND, RotateAt, (REAL angle, const PointF& centre, int32_t order GDIP_OPT(0)), ())

// The point-list creations clamp (wrap mode 4) unless told otherwise.
#define GDIP_PATH_GRADIENT_TABLE(ROW)                                                              \
  ROW(CREATE, GdipCreatePathGradient, (const PointsF& points, int32_t wrapMode GDIP_OPT(4)),       \
    (, points.Data(), points.Count(), wrapMode))                                                   \
  ROW(CREATE, GdipCreatePathGradientI, (const PointsI& points, int32_t wrapMode GDIP_OPT(4)),      \
    (, points.Data(), points.Count(), wrapMode))                                                   \
  ROW(CREATE, GdipCreatePathGradientFromPath, (const GraphicsPath& path), (, path))                \
  ROW(GET_ARGB, GdipGetPathGradientCenterColor, (), ())                                            \
  ROW(ACTION, GdipSetPathGradientCenterColor, (ARGB colour), (, colour))                           \
  ROW(GET_INT, GdipGetPathGradientPointCount, (), ())                                              \
  ROW(GET_INT, GdipGetPathGradientSurroundColorCount, (), ())                                      \
  ROW(BY_HAND, GdipGetPathGradientSurroundColorsWithCount, (Colours& colours, int32_t& count), ()) \
  ROW(BY_HAND, GdipSetPathGradientSurroundColorsWithCount,                                         \
    (const Colours& colours, int32_t* count GDIP_OPT(nullptr)), ())                                \
  ROW(ACTION, GdipGetPathGradientPath, (const GraphicsPath& path), (, path))                       \
  ROW(ACTION, GdipSetPathGradientPath, (const GraphicsPath& path), (, path))                       \
  ROW(VALUE_POINTF, GdipGetPathGradientCenterPoint, (), ())                                        \
  ROW(VALUE_POINTI, GdipGetPathGradientCenterPointI, (), ())                                       \
  ROW(ACTION, GdipSetPathGradientCenterPoint, (const PointF& centre), (, &centre))                 \
  ROW(ACTION, GdipGetPathGradientRect, (RectF& rect), (, &rect))                                   \
  ROW(ACTION, GdipGetPathGradientRectI, (RectI& rect), (, &rect))                                  \
  ROW(ACTION, GdipSetPathGradientGammaCorrection, (bool useGamma), (, useGamma))                   \
  ROW(TEST, GdipGetPathGradientGammaCorrection, (), ())                                            \
  ROW(GET_INT, GdipGetPathGradientBlendCount, (), ())                                              \
  ROW(BY_HAND, GdipSetPathGradientBlend, (const Reals& factors, const Reals& positions), ())       \
  ROW(BY_HAND_INT, GetPathGradientBlend, (Reals& factors, Reals& positions), ())                   \
  ROW(GET_INT, GdipGetPathGradientPresetBlendCount, (), ())                                        \
  ROW(BY_HAND, GdipSetPathGradientPresetBlend, (const Colours& colours, const Reals& positions),   \
    ())                                                                                            \
  ROW(BY_HAND_INT, GetPathGradientPresetBlend, (Colours& colours, Reals& positions), ())           \
  ROW(ACTION, GdipSetPathGradientSigmaBlend, (REAL focus, REAL scale), (, focus, scale))           \
  ROW(ACTION, GdipSetPathGradientLinearBlend, (REAL focus, REAL scale), (, focus, scale))          \
  ROW(ACTION, GdipGetPathGradientFocusScales, (REAL& xScale, REAL& yScale), (, &xScale, &yScale))  \
  ROW(ACTION, GdipSetPathGradientFocusScales, (REAL xScale, REAL yScale), (, xScale, yScale))      \
  ROW(GET_INT, GdipGetPathGradientWrapMode, (), ())                                                \
  ROW(ACTION, GdipSetPathGradientWrapMode, (int32_t wrapMode), (, wrapMode))                       \
  ROW(ACTION, GdipGetPathGradientTransform, (const AnyWrapper& matrix), (, matrix))                \
  ROW(ACTION, GdipSetPathGradientTransform, (const AnyWrapper& matrix), (, matrix))                \
  ROW(ACTION, GdipResetPathGradientTransform, (), ())                                              \
  ROW(ACTION, GdipMultiplyPathGradientTransform,                                                   \
    (const AnyWrapper& matrix, int32_t order GDIP_OPT(0)), (, matrix, order))                      \
  ROW(ACTION, GdipTranslatePathGradientTransform, (REAL dx, REAL dy, int32_t order),               \
    (, dx, dy, order))                                                                             \
  ROW(ACTION, GdipScalePathGradientTransform, (REAL sx, REAL sy, int32_t order),                   \
    (, sx, sy, order))                                                                             \
  ROW(BY_HAND, ScaleAt, (REAL sx, REAL sy, const PointF& centre, int32_t order GDIP_OPT(0)), ())   \
  ROW(ACTION, GdipRotatePathGradientTransform, (REAL angle, int32_t order), (, angle, order))      \
  ROW(BY_HAND, RotateAt, (REAL angle, const PointF& centre, int32_t order GDIP_OPT(0)), ())

class Brush : public NativeWrapper {
 public:
  Brush() = default;
  ~Brush() override { Brush::Destroy(); }

  void Destroy() override { GdipDeleteBrush(); }
  bool GdipDeleteBrush() { return Delete(brush_, GDIP_FLAT(GdipDeleteBrush)); }

#define GDIP_OPT(value) = value
  GDIP_BRUSH_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void StoreNative(void* pointer) override {
    brush_ = static_cast<Gdiplus::GpBrush*>(pointer);
    NativeChanged(pointer);
  }
  virtual void NativeChanged(void* pointer) {}

 private:
  Gdiplus::GpBrush* brush_ = nullptr;
};

class SolidBrush : public Brush {
 public:
  bool GdipCreateSolidFill(ARGB colour) { return Create(GDIP_FLAT(GdipCreateSolidFill), colour); }

#define GDIP_OPT(value) = value
  GDIP_SOLID_BRUSH_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void NativeChanged(void* pointer) override {
    solid_ = static_cast<Gdiplus::GpSolidFill*>(pointer);
  }

 private:
  Gdiplus::GpSolidFill* solid_ = nullptr;
};

class LinearGradientBrush : public Brush {
 public:
#define GDIP_OPT(value) = value
  GDIP_LINE_BRUSH_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void NativeChanged(void* pointer) override {
    line_ = static_cast<Gdiplus::GpLineGradient*>(pointer);
  }

 private:
  Gdiplus::GpLineGradient* line_ = nullptr;
};

class PathGradientBrush : public Brush {
 public:
#define GDIP_OPT(value) = value
  GDIP_PATH_GRADIENT_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void NativeChanged(void* pointer) override {
    gradient_ = static_cast<Gdiplus::GpPathGradient*>(pointer);
  }

 private:
  Gdiplus::GpPathGradient* gradient_ = nullptr;
};

}  // namespace gdip
