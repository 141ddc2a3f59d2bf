// Graphics: the drawing surface wrapper, one operation per flat function, generated from the table
// below; the rows that combine calls or convert text are written out after it.
#pragma once

#include <string_view>

#include "gdiplus/brush.h"
#include "gdiplus/font.h"
#include "gdiplus/image.h"
#include "gdiplus/native_wrapper.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/rows.h"
#include "gdiplus/string_format.h"
#include "runtime/counted_array.h"

namespace gdip {

// Rows in the order of the operations; see rows.h for the kinds. Matrices, image attributes, cached
// bitmaps and metafiles are passed as any wrapper holding one.
#define GDIP_GRAPHICS_TABLE(ROW)                                                                   \
  /* lifetime and device */                                                                        \
  ROW(GET_HDC, GdipGetDC, (), ())                                                                  \
  ROW(ACTION, GdipReleaseDC, (HDC dc), (, dc))                                                     \
  /* rendering state */                                                                            \
  ROW(ACTION, GdipGetRenderingOrigin, (int32_t& x, int32_t& y), (, &x, &y))                        \
  ROW(ACTION, GdipSetRenderingOrigin, (int32_t x, int32_t y), (, x, y))                            \
  ROW(GET_INT, GdipGetCompositingMode, (), ())                                                     \
  ROW(ACTION, GdipSetCompositingMode, (int32_t mode), (, mode))                                    \
  ROW(GET_INT, GdipGetCompositingQuality, (), ())                                                  \
  ROW(ACTION, GdipSetCompositingQuality, (int32_t quality), (, quality))                           \
  ROW(ACTION, GdipSetTextRenderingHint, (int32_t hint), (, hint))                                  \
  ROW(GET_INT, GdipGetTextRenderingHint, (), ())                                                   \
  ROW(ACTION, GdipSetTextContrast, (uint32_t contrast), (, contrast))                              \
  ROW(GET_UINT, GdipGetTextContrast, (), ())                                                       \
  ROW(ACTION, GdipSetInterpolationMode, (int32_t mode), (, mode))                                  \
  ROW(GET_INT, GdipGetInterpolationMode, (), ())                                                   \
  ROW(ACTION, GdipSetSmoothingMode, (int32_t mode), (, mode))                                      \
  ROW(GET_INT, GdipGetSmoothingMode, (), ())                                                       \
  ROW(ACTION, GdipSetPixelOffsetMode, (int32_t mode), (, mode))                                    \
  ROW(GET_INT, GdipGetPixelOffsetMode, (), ())                                                     \
  /* transforms */                                                                                 \
  ROW(ACTION, GdipSetWorldTransform, (const AnyWrapper& matrix), (, matrix))                       \
  ROW(ACTION, GdipGetWorldTransform, (const AnyWrapper& matrix), (, matrix))                       \
  ROW(ACTION, GdipResetWorldTransform, (), ())                                                     \
  ROW(ACTION, GdipMultiplyWorldTransform, (const AnyWrapper& matrix, int32_t order GDIP_OPT(0)),   \
    (, matrix, order))                                                                             \
  ROW(ACTION, GdipTranslateWorldTransform, (REAL dx, REAL dy, int32_t order GDIP_OPT(0)),          \
    (, dx, dy, order))                                                                             \
  ROW(ACTION, GdipScaleWorldTransform, (REAL sx, REAL sy, int32_t order GDIP_OPT(0)),              \
    (, sx, sy, order))                                                                             \
  ROW(ACTION, GdipRotateWorldTransform, (REAL angle, int32_t order GDIP_OPT(0)), (, angle, order)) \
  ROW(ACTION, GdipSetPageUnit, (int32_t unit), (, unit))                                           \
  ROW(GET_INT, GdipGetPageUnit, (), ())                                                            \
  ROW(ACTION, GdipSetPageScale, (REAL scale), (, scale))                                           \
  ROW(GET_REAL, GdipGetPageScale, (), ())                                                          \
  ROW(GET_REAL, GdipGetDpiX, (), ())                                                               \
  ROW(GET_REAL, GdipGetDpiY, (), ())                                                               \
  ROW(ACTION, GdipTransformPoints, (int32_t destSpace, int32_t srcSpace, PointsF& points),         \
    (, destSpace, srcSpace, points.Data(), points.Count()))                                        \
  ROW(ACTION, GdipTransformPointsI, (int32_t destSpace, int32_t srcSpace, PointsI& points),        \
    (, destSpace, srcSpace, points.Data(), points.Count()))                                        \
  /* outlines */                                                                                   \
  ROW(ACTION, GdipDrawLine, (const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2),                  \
    (, pen, x1, y1, x2, y2))                                                                       \
  ROW(ACTION, GdipDrawLineI, (const Pen& pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2),     \
    (, pen, x1, y1, x2, y2))                                                                       \
  ROW(ACTION, GdipDrawLines, (const Pen& pen, PointsF& points),                                    \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawLinesI, (const Pen& pen, PointsI& points),                                   \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawArc,                                                                         \
    (const Pen& pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle),   \
    (, pen, x, y, width, height, startAngle, sweepAngle))                                          \
  ROW(ACTION, GdipDrawArcI,                                                                        \
    (const Pen& pen, int32_t x, int32_t y, int32_t width, int32_t height, REAL startAngle,         \
     REAL sweepAngle),                                                                             \
    (, pen, x, y, width, height, startAngle, sweepAngle))                                          \
  ROW(ACTION, GdipDrawBezier,                                                                      \
    (const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4),      \
    (, pen, x1, y1, x2, y2, x3, y3, x4, y4))                                                       \
  ROW(ACTION, GdipDrawBezierI,                                                                     \
    (const Pen& pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,       \
     int32_t x4, int32_t y4),                                                                      \
    (, pen, x1, y1, x2, y2, x3, y3, x4, y4))                                                       \
  ROW(ACTION, GdipDrawBeziers, (const Pen& pen, PointsF& points),                                  \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawBeziersI, (const Pen& pen, PointsI& points),                                 \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawRectangle, (const Pen& pen, REAL x, REAL y, REAL width, REAL height),        \
    (, pen, x, y, width, height))                                                                  \
  ROW(ACTION, GdipDrawRectangleI,                                                                  \
    (const Pen& pen, int32_t x, int32_t y, int32_t width, int32_t height),                         \
    (, pen, x, y, width, height))                                                                  \
  ROW(ACTION, GdipDrawRectangles, (const Pen& pen, RectsF& rects),                                 \
    (, pen, rects.Data(), rects.Count()))                                                          \
  ROW(ACTION, GdipDrawRectanglesI, (const Pen& pen, RectsI& rects),                                \
    (, pen, rects.Data(), rects.Count()))                                                          \
  ROW(ACTION, GdipDrawEllipse, (const Pen& pen, REAL x, REAL y, REAL width, REAL height),          \
    (, pen, x, y, width, height))                                                                  \
  ROW(ACTION, GdipDrawEllipseI,                                                                    \
    (const Pen& pen, int32_t x, int32_t y, int32_t width, int32_t height),                         \
    (, pen, x, y, width, height))                                                                  \
  ROW(ACTION, GdipDrawPie,                                                                         \
    (const Pen& pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle),   \
    (, pen, x, y, width, height, startAngle, sweepAngle))                                          \
  ROW(ACTION, GdipDrawPieI,                                                                        \
    (const Pen& pen, int32_t x, int32_t y, int32_t width, int32_t height, REAL startAngle,         \
     REAL sweepAngle),                                                                             \
    (, pen, x, y, width, height, startAngle, sweepAngle))                                          \
  ROW(ACTION, GdipDrawPolygon, (const Pen& pen, PointsF& points),                                  \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawPolygonI, (const Pen& pen, PointsI& points),                                 \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawPath, (const Pen& pen, const GraphicsPath& path), (, pen, path))             \
  ROW(ACTION, GdipDrawCurve, (const Pen& pen, PointsF& points),                                    \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawCurveI, (const Pen& pen, PointsI& points),                                   \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawCurve2, (const Pen& pen, PointsF& points, REAL tension),                     \
    (, pen, points.Data(), points.Count(), tension))                                               \
  ROW(ACTION, GdipDrawCurve2I, (const Pen& pen, PointsI& points, REAL tension),                    \
    (, pen, points.Data(), points.Count(), tension))                                               \
  ROW(ACTION, GdipDrawCurve3,                                                                      \
    (const Pen& pen, PointsF& points, int32_t offset, int32_t segments, REAL tension),             \
    (, pen, points.Data(), points.Count(), offset, segments, tension))                             \
  ROW(ACTION, GdipDrawCurve3I,                                                                     \
    (const Pen& pen, PointsI& points, int32_t offset, int32_t segments, REAL tension),             \
    (, pen, points.Data(), points.Count(), offset, segments, tension))                             \
  ROW(ACTION, GdipDrawClosedCurve, (const Pen& pen, PointsF& points),                              \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawClosedCurveI, (const Pen& pen, PointsI& points),                             \
    (, pen, points.Data(), points.Count()))                                                        \
  ROW(ACTION, GdipDrawClosedCurve2, (const Pen& pen, PointsF& points, REAL tension),               \
    (, pen, points.Data(), points.Count(), tension))                                               \
  ROW(ACTION, GdipDrawClosedCurve2I, (const Pen& pen, PointsI& points, REAL tension),              \
    (, pen, points.Data(), points.Count(), tension))                                               \
  ROW(ACTION, GdipGraphicsClear, (ARGB colour), (, colour))                                        \
  /* fills */                                                                                      \
  ROW(ACTION, GdipFillRectangle, (const Brush& brush, REAL x, REAL y, REAL width, REAL height),    \
    (, brush, x, y, width, height))                                                                \
  ROW(ACTION, GdipFillRectangle, (const Brush& brush, const RectF& rect),                          \
    (, brush, rect.X, rect.Y, rect.Width, rect.Height))                                            \
  ROW(ACTION, GdipFillRectangleI,                                                                  \
    (const Brush& brush, int32_t x, int32_t y, int32_t width, int32_t height),                     \
    (, brush, x, y, width, height))                                                                \
  ROW(ACTION, GdipFillRectangles, (const Brush& brush, RectsF& rects),                             \
    (, brush, rects.Data(), rects.Count()))                                                        \
  ROW(ACTION, GdipFillRectanglesI, (const Brush& brush, RectsI& rects),                            \
    (, brush, rects.Data(), rects.Count()))                                                        \
  ROW(ACTION, GdipFillPolygon,                                                                     \
    (const Brush& brush, PointsF& points, int32_t fillMode GDIP_OPT(0)),                           \
    (, brush, points.Data(), points.Count(), fillMode))                                            \
  ROW(ACTION, GdipFillPolygonI,                                                                    \
    (const Brush& brush, PointsI& points, int32_t fillMode GDIP_OPT(0)),                           \
    (, brush, points.Data(), points.Count(), fillMode))                                            \
  ROW(ACTION, GdipFillEllipse, (const Brush& brush, REAL x, REAL y, REAL width, REAL height),      \
    (, brush, x, y, width, height))                                                                \
  ROW(ACTION, GdipFillEllipseI,                                                                    \
    (const Brush& brush, int32_t x, int32_t y, int32_t width, int32_t height),                     \
    (, brush, x, y, width, height))                                                                \
  ROW(ACTION, GdipFillPie,                                                                         \
    (const Brush& brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle,                 \
     REAL sweepAngle),                                                                             \
    (, brush, x, y, width, height, startAngle, sweepAngle))                                        \
  ROW(ACTION, GdipFillPieI,                                                                        \
    (const Brush& brush, int32_t x, int32_t y, int32_t width, int32_t height, REAL startAngle,     \
     REAL sweepAngle),                                                                             \
    (, brush, x, y, width, height, startAngle, sweepAngle))                                        \
  ROW(ACTION, GdipFillPath, (const Brush& brush, const GraphicsPath& path), (, brush, path))       \
  ROW(ACTION, GdipFillClosedCurve, (const Brush& brush, PointsF& points),                          \
    (, brush, points.Data(), points.Count()))                                                      \
  ROW(ACTION, GdipFillClosedCurve2,                                                                \
    (const Brush& brush, PointsF& points, REAL tension, int32_t fillMode GDIP_OPT(0)),             \
    (, brush, points.Data(), points.Count(), tension, fillMode))                                   \
  ROW(ACTION, GdipFillClosedCurveI, (const Brush& brush, PointsI& points),                         \
    (, brush, points.Data(), points.Count()))                                                      \
  ROW(ACTION, GdipFillClosedCurve2I,                                                               \
    (const Brush& brush, PointsI& points, REAL tension, int32_t fillMode GDIP_OPT(0)),             \
    (, brush, points.Data(), points.Count(), tension, fillMode))                                   \
  ROW(ACTION, GdipFillRegion, (const Brush& brush, const Region& region), (, brush, region))       \
  /* images */                                                                                     \
  ROW(ACTION, GdipDrawImage, (const Image& image, REAL x, REAL y), (, image, x, y))                \
  ROW(ACTION, GdipDrawImageI, (const Image& image, int32_t x, int32_t y), (, image, x, y))         \
  ROW(ACTION, GdipDrawCachedBitmap, (const AnyWrapper& cachedBitmap, REAL x, REAL y),              \
    (, cachedBitmap, static_cast<int32_t>(x), static_cast<int32_t>(y)))                            \
  ROW(ACTION, GdipDrawImagePointRect,                                                              \
    (const Image& image, REAL x, REAL y, REAL srcX, REAL srcY, REAL srcWidth, REAL srcHeight,      \
     int32_t srcUnit GDIP_OPT(2)),                                                                 \
    (, image, x, y, srcX, srcY, srcWidth, srcHeight, srcUnit))                                     \
  ROW(ACTION, GdipDrawImagePointRectI,                                                             \
    (const Image& image, int32_t x, int32_t y, int32_t srcX, int32_t srcY, int32_t srcWidth,       \
     int32_t srcHeight, int32_t srcUnit GDIP_OPT(2)),                                              \
    (, image, x, y, srcX, srcY, srcWidth, srcHeight, srcUnit))                                     \
  ROW(ACTION, GdipDrawImageRectRect,                                                               \
    (const Image& image, REAL x, REAL y, REAL width, REAL height, REAL srcX, REAL srcY,            \
     REAL srcWidth, REAL srcHeight, int32_t srcUnit GDIP_OPT(2),                                   \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, image, x, y, width, height, srcX, srcY, srcWidth, srcHeight, srcUnit, NativeOf(attributes), \
     nullptr, nullptr))                                                                            \
  ROW(ACTION, GdipDrawImageRectRectI,                                                              \
    (const Image& image, int32_t x, int32_t y, int32_t width, int32_t height, int32_t srcX,        \
     int32_t srcY, int32_t srcWidth, int32_t srcHeight, int32_t srcUnit GDIP_OPT(2),               \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, image, x, y, width, height, srcX, srcY, srcWidth, srcHeight, srcUnit, NativeOf(attributes), \
     nullptr, nullptr))                                                                            \
  /* metafile playback */                                                                          \
  ROW(ACTION, GdipEnumerateMetafileDestPoint,                                                      \
    (const AnyWrapper& metafile, const PointF& dest, Gdiplus::EnumerateMetafileProc callback,      \
     void* data, const AnyWrapper* attributes GDIP_OPT(nullptr)),                                  \
    (, metafile, dest, callback, data, NativeOf(attributes)))                                      \
  ROW(ACTION, GdipEnumerateMetafileDestPointI,                                                     \
    (const AnyWrapper& metafile, const PointI& dest, Gdiplus::EnumerateMetafileProc callback,      \
     void* data, const AnyWrapper* attributes GDIP_OPT(nullptr)),                                  \
    (, metafile, dest, callback, data, NativeOf(attributes)))                                      \
  ROW(ACTION, GdipEnumerateMetafileDestPoints,                                                     \
    (const AnyWrapper& metafile, PointsF& dest, Gdiplus::EnumerateMetafileProc callback,           \
     void* data, const AnyWrapper* attributes GDIP_OPT(nullptr)),                                  \
    (, metafile, dest.Data(), dest.Count(), callback, data, NativeOf(attributes)))                 \
  ROW(ACTION, GdipEnumerateMetafileDestPointsI,                                                    \
    (const AnyWrapper& metafile, PointsI& dest, Gdiplus::EnumerateMetafileProc callback,           \
     void* data, const AnyWrapper* attributes GDIP_OPT(nullptr)),                                  \
    (, metafile, dest.Data(), dest.Count(), callback, data, NativeOf(attributes)))                 \
  ROW(ACTION, GdipEnumerateMetafileDestRect,                                                       \
    (const AnyWrapper& metafile, const RectF& dest, Gdiplus::EnumerateMetafileProc callback,       \
     void* data, const AnyWrapper* attributes GDIP_OPT(nullptr)),                                  \
    (, metafile, dest, callback, data, NativeOf(attributes)))                                      \
  ROW(ACTION, GdipEnumerateMetafileDestRectI,                                                      \
    (const AnyWrapper& metafile, const RectI& dest, Gdiplus::EnumerateMetafileProc callback,       \
     void* data, const AnyWrapper* attributes GDIP_OPT(nullptr)),                                  \
    (, metafile, dest, callback, data, NativeOf(attributes)))                                      \
  ROW(ACTION, GdipEnumerateMetafileSrcRectDestPoint,                                               \
    (const AnyWrapper& metafile, const PointF& dest, const RectF& src, int32_t srcUnit,            \
     Gdiplus::EnumerateMetafileProc callback, void* data,                                          \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, metafile, dest, src, srcUnit, callback, data, NativeOf(attributes)))                        \
  ROW(ACTION, GdipEnumerateMetafileSrcRectDestPointI,                                              \
    (const AnyWrapper& metafile, const PointI& dest, const RectI& src, int32_t srcUnit,            \
     Gdiplus::EnumerateMetafileProc callback, void* data,                                          \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, metafile, dest, src, srcUnit, callback, data, NativeOf(attributes)))                        \
  ROW(ACTION, GdipEnumerateMetafileSrcRectDestPoints,                                              \
    (const AnyWrapper& metafile, PointsF& dest, const RectF& src, int32_t srcUnit,                 \
     Gdiplus::EnumerateMetafileProc callback, void* data,                                          \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, metafile, dest.Data(), dest.Count(), src, srcUnit, callback, data, NativeOf(attributes)))   \
  ROW(ACTION, GdipEnumerateMetafileSrcRectDestPointsI,                                             \
    (const AnyWrapper& metafile, PointsI& dest, const RectI& src, int32_t srcUnit,                 \
     Gdiplus::EnumerateMetafileProc callback, void* data,                                          \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, metafile, dest.Data(), dest.Count(), src, srcUnit, callback, data, NativeOf(attributes)))   \
  ROW(ACTION, GdipEnumerateMetafileSrcRectDestRect,                                                \
    (const AnyWrapper& metafile, const RectF& dest, const RectF& src, int32_t srcUnit,             \
     Gdiplus::EnumerateMetafileProc callback, void* data,                                          \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, metafile, dest, src, srcUnit, callback, data, NativeOf(attributes)))                        \
  ROW(ACTION, GdipEnumerateMetafileSrcRectDestRectI,                                               \
    (const AnyWrapper& metafile, const RectI& dest, const RectI& src, int32_t srcUnit,             \
     Gdiplus::EnumerateMetafileProc callback, void* data,                                          \
     const AnyWrapper* attributes GDIP_OPT(nullptr)),                                              \
    (, metafile, dest, src, srcUnit, callback, data, NativeOf(attributes)))                        \
  /* clipping */                                                                                   \
  ROW(ACTION, GdipSetClipGraphics, (const Graphics& other, int32_t combineMode GDIP_OPT(0)),       \
    (, other, combineMode))                                                                        \
  ROW(ACTION, GdipSetClipPath, (const GraphicsPath& path, int32_t combineMode GDIP_OPT(0)),        \
    (, path, combineMode))                                                                         \
  ROW(ACTION, GdipSetClipRect,                                                                     \
    (REAL x, REAL y, REAL width, REAL height, int32_t combineMode GDIP_OPT(0)),                    \
    (, x, y, width, height, combineMode))                                                          \
  ROW(ACTION, GdipSetClipRectI,                                                                    \
    (int32_t x, int32_t y, int32_t width, int32_t height, int32_t combineMode GDIP_OPT(0)),        \
    (, x, y, width, height, combineMode))                                                          \
  ROW(ACTION, GdipSetClipRegion, (const Region& region, int32_t combineMode GDIP_OPT(0)),          \
    (, region, combineMode))                                                                       \
  ROW(ACTION, GdipSetClipHrgn, (HRGN region, int32_t combineMode GDIP_OPT(0)),                     \
    (, region, combineMode))                                                                       \
  ROW(ACTION, GdipResetClip, (), ())                                                               \
  ROW(ACTION, GdipTranslateClip, (REAL dx, REAL dy), (, dx, dy))                                   \
  ROW(ACTION, GdipTranslateClipI, (int32_t dx, int32_t dy), (, dx, dy))                            \
  ROW(ACTION, GdipGetClip, (const Region& region), (, region))                                     \
  ROW(VALUE_RECTF, GdipGetClipBounds, (), ())                                                      \
  ROW(VALUE_RECTI, GdipGetClipBoundsI, (), ())                                                     \
  ROW(VALUE_RECTF, GdipGetVisibleClipBounds, (), ())                                               \
  ROW(VALUE_RECTI, GdipGetVisibleClipBoundsI, (), ())                                              \
  ROW(TEST, GdipIsClipEmpty, (), ())                                                               \
  ROW(TEST, GdipIsVisibleClipEmpty, (), ())                                                        \
  ROW(TEST, GdipIsVisiblePoint, (REAL x, REAL y), (, x, y))                                        \
  ROW(TEST, GdipIsVisiblePointI, (int32_t x, int32_t y), (, x, y))                                 \
  ROW(TEST, GdipIsVisibleRect, (REAL x, REAL y, REAL width, REAL height), (, x, y, width, height)) \
  ROW(TEST, GdipIsVisibleRectI, (int32_t x, int32_t y, int32_t width, int32_t height),             \
    (, x, y, width, height))                                                                       \
  /* saved states */                                                                               \
  ROW(GET_UINT, GdipSaveGraphics, (), ())                                                          \
  ROW(ACTION, GdipRestoreGraphics, (uint32_t state), (, state))                                    \
  ROW(GET_UINT, GdipBeginContainer, (const RectF& dest, const RectF& src, int32_t unit),           \
    (, &dest, &src, unit))                                                                         \
  ROW(GET_UINT, GdipBeginContainerI, (const RectI& dest, const RectI& src, int32_t unit),          \
    (, &dest, &src, unit))                                                                         \
  ROW(GET_UINT, GdipBeginContainer2, (), ())                                                       \
  ROW(ACTION, GdipEndContainer, (uint32_t state), (, state))                                       \
  ROW(ACTION, GdipComment, (const runtime::ByteSet& data),                                         \
    (, static_cast<uint32_t>(data.Size()), data.Data()))

class Graphics : public NativeWrapper {
 public:
  Graphics() = default;
  ~Graphics() override { Graphics::Destroy(); }

  void Destroy() override { GdipDeleteGraphics(); }

  // Lifetime and device: the rows that choose between two functions or create.
  bool GdipDeleteGraphics() { return Delete(graphics_, GDIP_FLAT(GdipDeleteGraphics)); }
  // Stores no status and returns nothing.
  void GdipFlush(int32_t intention = 0) { flat::Invoke(GDIP_FLAT(GdipFlush), graphics_, intention); }
  // GdipCreateFromHWNDICM when colour management is asked for.
  bool GdipCreateFromHWND(HWND window, bool colourManaged = false) {
    return colourManaged ? Create(GDIP_FLAT(GdipCreateFromHWNDICM), window)
                         : Create(GDIP_FLAT(GdipCreateFromHWND), window);
  }
  // GdipCreateFromHDC2 when a device handle is given.
  bool GdipCreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt) {
    return device ? Create(GDIP_FLAT(GdipCreateFromHDC2), dc, *device)
                  : Create(GDIP_FLAT(GdipCreateFromHDC), dc);
  }
  // A graphics that draws into the image.
  bool GdipGetImageGraphicsContext(const Image& image) {
    return Create(GDIP_FLAT(GdipGetImageGraphicsContext), image);
  }

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(graphics_, kind, name, params, args)
  GDIP_GRAPHICS_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

  // Transforms about a centre: three calls each, every status stored, the last one decides.
  bool ScaleAt(REAL sx, REAL sy, const PointF& centre, int32_t order = 0);
  bool RotateAt(REAL angle, const PointF& centre, int32_t order = 0);
  // GDI+ replaces the caller's colour with the nearest one the device has; returns it.
  ARGB GdipGetNearestColor(ARGB& colour) {
    Action(GDIP_FLAT(GdipGetNearestColor), graphics_, &colour);
    return colour;
  }

  // Text, first as ANSI text, then as wide text (UTF-16 with a terminating zero unit).
  bool GdipDrawString(std::string_view text, const Font& font, const Brush& brush,
                      const RectF& layout, const StringFormat& format);
  bool GdipDrawString(const runtime::ByteSet& wide, const Font& font, const Brush& brush,
                      const RectF& layout, const StringFormat& format);
  bool GdipMeasureString(std::string_view text, const Font& font, const RectF& layout,
                         const StringFormat& format, RectF& boundingBox);
  bool GdipMeasureString(const runtime::ByteSet& wide, const Font& font, const RectF& layout,
                         const StringFormat& format, RectF& boundingBox);
  // Measures the format's character ranges into `regions` (n new Region wrappers replace its
  // content on success; on failure it keeps its elements).
  bool GdipMeasureCharacterRanges(std::string_view text, const Font& font, const RectF& layout,
                                  const StringFormat& format, int32_t count,
                                  runtime::CountedArray<Region>& regions);
  bool GdipMeasureCharacterRanges(const runtime::ByteSet& wide, const Font& font,
                                  const RectF& layout, const StringFormat& format, int32_t count,
                                  runtime::CountedArray<Region>& regions);
  bool GdipDrawDriverString(std::string_view text, const Font& font, const Brush& brush,
                            PointsF& positions, int32_t flags = 1,
                            const AnyWrapper* matrix = nullptr);
  bool GdipDrawDriverString(const runtime::ByteSet& wide, const Font& font, const Brush& brush,
                            PointsF& positions, int32_t flags = 1,
                            const AnyWrapper* matrix = nullptr);

  // Images: the whole image into a destination rectangle.
  bool DrawImageStretched(const Image& image, REAL x, REAL y, REAL width, REAL height,
                          int32_t srcUnit = 2);
  bool DrawImageStretched(const Image& image, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t srcUnit = 2);
  // Three destination points: upper left, upper right, lower left.
  bool GdipDrawImagePoints(const Image& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3);
  bool GdipDrawImagePointsI(const Image& image, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                            int32_t x3, int32_t y3);
  bool GdipDrawImagePointsRect(const Image& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3,
                               REAL y3, REAL srcX, REAL srcY, REAL srcWidth, REAL srcHeight,
                               int32_t srcUnit = 2, const AnyWrapper* attributes = nullptr);
  bool GdipDrawImagePointsRectI(const Image& image, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                int32_t x3, int32_t y3, int32_t srcX, int32_t srcY,
                                int32_t srcWidth, int32_t srcHeight, int32_t srcUnit = 2,
                                const AnyWrapper* attributes = nullptr);

 protected:
  void StoreNative(void* pointer) override {
    graphics_ = static_cast<Gdiplus::GpGraphics*>(pointer);
    NativeChanged(pointer);
  }
  virtual void NativeChanged(void* pointer) {}

 private:
  Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace gdip
