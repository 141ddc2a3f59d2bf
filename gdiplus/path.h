// Graphics paths: the GraphicsPath wrapper and the PathData record it fills.
#pragma once

#include <optional>
#include <string_view>

#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"

namespace gdip {

class FontFamily;
class Graphics;
class Pen;
class StringFormat;

// A path's points and their GDI+ point-type bytes, one per point.
struct PathData {
  int32_t Count = 0;
  PointsF Points;
  Bytes Types;
};

// Rows in the order of the operations; see rows.h for the kinds.
#define GDIP_PATH_TABLE(ROW)                                                                       \
  ROW(CREATE, GdipCreatePath, (int32_t fillMode GDIP_OPT(0)), (, fillMode))                        \
  ROW(BY_HAND, GdipCreatePath2,                                                                    \
    (const PointsF& points, const Bytes& types, int32_t fillMode GDIP_OPT(0)), ())                 \
  ROW(BY_HAND, GdipCreatePath2I,                                                                   \
    (const PointsI& points, const Bytes& types, int32_t fillMode GDIP_OPT(0)), ())                 \
  ROW(INTO, GdipClonePath, (NativeWrapper& target), ())                                            \
  ROW(ACTION, GdipResetPath, (), ())                                                               \
  ROW(GET_INT, GdipGetPathFillMode, (), ())                                                        \
  ROW(ACTION, GdipSetPathFillMode, (int32_t fillMode), (, fillMode))                               \
  ROW(BY_HAND, GetPathData, (PathData& data), ())                                                  \
  ROW(BY_HAND, GetPathTypes, (Bytes& types, std::optional<int32_t> count GDIP_OPT(std::nullopt)),  \
    ())                                                                                            \
  ROW(BY_HAND, GetPathPoints,                                                                      \
    (PointsF& points, std::optional<int32_t> count GDIP_OPT(std::nullopt)), ())                    \
  ROW(BY_HAND, GetPathPointsI,                                                                     \
    (PointsI& points, std::optional<int32_t> count GDIP_OPT(std::nullopt)), ())                    \
  ROW(ACTION, GdipStartPathFigure, (), ())                                                         \
  ROW(ACTION, GdipClosePathFigure, (), ())                                                         \
  ROW(ACTION, GdipClosePathFigures, (), ())                                                        \
  ROW(ACTION, GdipSetPathMarker, (), ())                                                           \
  ROW(ACTION, GdipClearPathMarkers, (), ())                                                        \
  ROW(ACTION, GdipReversePath, (), ())                                                             \
  ROW(VALUE_POINTF, GdipGetPathLastPoint, (), ())                                                  \
  ROW(ACTION, GdipAddPathLine, (REAL x1, REAL y1, REAL x2, REAL y2), (, x1, y1, x2, y2))           \
  ROW(ACTION, GdipAddPathLineI, (int32_t x1, int32_t y1, int32_t x2, int32_t y2),                  \
    (, x1, y1, x2, y2))                                                                            \
  ROW(ACTION, GdipAddPathLine2, (const PointsF& points),                                           \
    (, points.Data(), points.Count()))                                                             \
  ROW(ACTION, GdipAddPathLine2I, (const PointsI& points), (, points.Data(), points.Count()))       \
  ROW(ACTION, GdipAddPathArc,                                                                      \
    (REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle),                   \
    (, x, y, width, height, startAngle, sweepAngle))                                               \
  ROW(ACTION, GdipAddPathArcI,                                                                     \
    (int32_t x, int32_t y, int32_t width, int32_t height, REAL startAngle, REAL sweepAngle),       \
    (, x, y, width, height, startAngle, sweepAngle))                                               \
  ROW(ACTION, GdipAddPathBezier,                                                                   \
    (REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4),                      \
    (, x1, y1, x2, y2, x3, y3, x4, y4))                                                            \
  ROW(ACTION, GdipAddPathBezierI,                                                                  \
    (int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,           \
     int32_t y4),                                                                                  \
    (, x1, y1, x2, y2, x3, y3, x4, y4))                                                            \
  ROW(ACTION, GdipAddPathBeziers, (const PointsF& points), (, points.Data(), points.Count()))      \
  ROW(ACTION, GdipAddPathBeziersI, (const PointsI& points), (, points.Data(), points.Count()))     \
  ROW(ACTION, GdipAddPathCurve, (const PointsF& points), (, points.Data(), points.Count()))        \
  ROW(ACTION, GdipAddPathCurve2, (const PointsF& points, REAL tension),                            \
    (, points.Data(), points.Count(), tension))                                                    \
  ROW(ACTION, GdipAddPathCurve3,                                                                   \
    (const PointsF& points, int32_t offset, int32_t segments, REAL tension),                       \
    (, points.Data(), points.Count(), offset, segments, tension))                                  \
  ROW(ACTION, GdipAddPathCurveI, (const PointsI& points), (, points.Data(), points.Count()))       \
  ROW(ACTION, GdipAddPathCurve2I, (const PointsI& points, REAL tension),                           \
    (, points.Data(), points.Count(), tension))                                                    \
  ROW(ACTION, GdipAddPathCurve3I,                                                                  \
    (const PointsI& points, int32_t offset, int32_t segments, REAL tension),                       \
    (, points.Data(), points.Count(), offset, segments, tension))                                  \
  ROW(ACTION, GdipAddPathClosedCurve, (const PointsF& points), (, points.Data(), points.Count()))  \
  ROW(ACTION, GdipAddPathClosedCurve2, (const PointsF& points, REAL tension),                      \
    (, points.Data(), points.Count(), tension))                                                    \
  ROW(ACTION, GdipAddPathClosedCurveI, (const PointsI& points), (, points.Data(), points.Count())) \
  ROW(ACTION, GdipAddPathClosedCurve2I, (const PointsI& points, REAL tension),                     \
    (, points.Data(), points.Count(), tension))                                                    \
  ROW(ACTION, GdipAddPathRectangle, (REAL x, REAL y, REAL width, REAL height),                     \
    (, x, y, width, height))                                                                       \
  ROW(BY_HAND, AddRoundRect, (REAL x, REAL y, REAL width, REAL height, int32_t roundness), ())     \
  ROW(ACTION, GdipAddPathRectangles, (const RectsF& rects), (, rects.Data(), rects.Count()))       \
  ROW(ACTION, GdipAddPathRectangleI, (int32_t x, int32_t y, int32_t width, int32_t height),        \
    (, x, y, width, height))                                                                       \
  ROW(ACTION, GdipAddPathRectanglesI, (const RectsI& rects), (, rects.Data(), rects.Count()))      \
  ROW(ACTION, GdipAddPathEllipse, (REAL x, REAL y, REAL width, REAL height),                       \
    (, x, y, width, height))                                                                       \
  ROW(ACTION, GdipAddPathEllipseI, (int32_t x, int32_t y, int32_t width, int32_t height),          \
    (, x, y, width, height))                                                                       \
  ROW(ACTION, GdipAddPathPie,                                                                      \
    (REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle),                   \
    (, x, y, width, height, startAngle, sweepAngle))                                               \
  ROW(ACTION, GdipAddPathPieI,                                                                     \
    (int32_t x, int32_t y, int32_t width, int32_t height, REAL startAngle, REAL sweepAngle),       \
    (, x, y, width, height, startAngle, sweepAngle))                                               \
  ROW(ACTION, GdipAddPathPolygon, (const PointsF& points), (, points.Data(), points.Count()))      \
  ROW(ACTION, GdipAddPathPolygonI, (const PointsI& points), (, points.Data(), points.Count()))     \
  ROW(ACTION, GdipAddPathPath, (const GraphicsPath& other, bool connect GDIP_OPT(false)),          \
    (, other, connect))                                                                            \
  ROW(BY_HAND, GdipAddPathString,                                                                  \
    (std::string_view text, const FontFamily& family, int32_t emSize, const RectF& layout,         \
     int32_t style, const StringFormat& format), ())                                               \
  ROW(BY_HAND, GdipAddPathString,                                                                  \
    (const runtime::ByteSet& wide, const FontFamily& family, int32_t emSize,                       \
     const RectF& layout, int32_t style, const StringFormat& format), ())                          \
  ROW(BY_HAND, GdipAddPathStringI,                                                                 \
    (std::string_view text, const FontFamily& family, int32_t emSize, const RectI& layout,         \
     int32_t style, const StringFormat& format), ())                                               \
  ROW(BY_HAND, GdipAddPathStringI,                                                                 \
    (const runtime::ByteSet& wide, const FontFamily& family, int32_t emSize,                       \
     const RectI& layout, int32_t style, const StringFormat& format), ())                          \
  ROW(ACTION, GdipTransformPath, (const AnyWrapper& matrix), (, matrix))                           \
  ROW(BY_HAND_RECTF, GdipGetPathWorldBounds, (const AnyWrapper* matrix, const Pen* pen), ())       \
  ROW(BY_HAND_RECTI, GdipGetPathWorldBoundsI, (const AnyWrapper* matrix, const Pen* pen), ())      \
  ROW(ACTION, GdipFlattenPath, (const AnyWrapper* matrix, REAL flatness GDIP_OPT(0.25f)),          \
    (, NativeOf(matrix), flatness))                                                                \
  ROW(ACTION, GdipWidenPath,                                                                       \
    (const Pen& pen, const AnyWrapper* matrix, REAL flatness GDIP_OPT(0.25f)),                     \
    (, pen, NativeOf(matrix), flatness))                                                           \
  ROW(ACTION, GdipWindingModeOutline, (const AnyWrapper* matrix, REAL flatness GDIP_OPT(0.25f)),   \
    (, NativeOf(matrix), flatness))                                                                \
  ROW(ACTION, GdipWarpPath,                                                                        \
    (const PointsF& points, const RectF& source, const AnyWrapper* matrix,                         \
     int32_t warpMode GDIP_OPT(0), REAL flatness GDIP_OPT(0.25f)),                                 \
    (, NativeOf(matrix), points.Data(), points.Count(), source.X, source.Y, source.Width,          \
     source.Height, warpMode, flatness))                                                           \
  ROW(GET_INT, GdipGetPointCount, (), ())                                                          \
  ROW(TEST, GdipIsVisiblePathPoint, (REAL x, REAL y, const Graphics* graphics),                    \
    (, x, y, NativeOf(graphics)))                                                                  \
  ROW(TEST, GdipIsVisiblePathPointI, (int32_t x, int32_t y, const Graphics* graphics),             \
    (, x, y, NativeOf(graphics)))                                                                  \
  ROW(TEST, GdipIsOutlineVisiblePathPoint,                                                         \
    (REAL x, REAL y, const Pen& pen, const Graphics* graphics), (, x, y, pen, NativeOf(graphics))) \
  ROW(TEST, GdipIsOutlineVisiblePathPointI,                                                        \
    (int32_t x, int32_t y, const Pen& pen, const Graphics* graphics),                              \
    (, x, y, pen, NativeOf(graphics)))

class GraphicsPath : public NativeWrapper {
 public:
  GraphicsPath() = default;
  ~GraphicsPath() override { GraphicsPath::Destroy(); }

  void Destroy() override { GdipDeletePath(); }
  bool GdipDeletePath() { return Delete(path_, GDIP_FLAT(GdipDeletePath)); }

#define GDIP_OPT(value) = value
  GDIP_PATH_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void StoreNative(void* pointer) override { path_ = static_cast<Gdiplus::GpPath*>(pointer); }

 private:
  // GetPathTypes / GetPathPoints / GetPathPointsI: `count` or the path's point count, the array
  // resized to it and filled by `fill`.
  template <typename Array, typename Fn>
  bool FillPerPoint(Array& array, std::optional<int32_t> count, Fn fill);

  Gdiplus::GpPath* path_ = nullptr;
};

}  // namespace gdip
