// GraphicsPath operations: the table's rows, and the ones that check arrays, fill path data,
// convert text or combine calls.
#include "gdiplus/path.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "gdiplus/font_family.h"
#include "gdiplus/graphics.h"

namespace gdip {

#define GDIP_OPT(value)
#define GDIP_ROW(kind, name, params, args) \
  GDIP_DEFINE_ROW(GraphicsPath, path_, kind, name, params, args)
GDIP_PATH_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

namespace {

constexpr int kOutOfMemory = 3;

// A buffer from GdipAlloc, returned with GdipFree when it goes out of scope.
struct GdipFreer {
  void operator()(void* pointer) const { NativeWrapper::Free(pointer); }
};
using GdipBuffer = std::unique_ptr<void, GdipFreer>;

// GDI+'s path-data block: the count, then the addresses of the points and of the types.
struct PathDataBlock {
  INT Count;
  void* Points;
  void* Types;
};

}  // namespace

bool GraphicsPath::GdipCreatePath2(const PointsF& points, const Bytes& types, int32_t fillMode) {
  if (points.Count() != types.Count()) return RejectInvalidParameter();
  return Create(GDIP_FLAT(GdipCreatePath2), points.Data(), types.Data(), types.Count(), fillMode);
}

bool GraphicsPath::GdipCreatePath2I(const PointsI& points, const Bytes& types, int32_t fillMode) {
  if (points.Count() != types.Count()) return RejectInvalidParameter();
  return Create(GDIP_FLAT(GdipCreatePath2I), points.Data(), types.Data(), points.Count(), fillMode);
}

bool GraphicsPath::GetPathData(PathData& data) {
  INT count = 0;
  if (!Action(GDIP_FLAT(GdipGetPointCount), path_, &count)) return false;
  data.Count = count;
  data.Points.Clear();
  data.Points.Resize(count);
  data.Types.Clear();
  data.Types.Resize(count);
  if (count == 0) return false;

  const auto points = static_cast<size_t>(count) * sizeof(PointF);
  const auto types = static_cast<size_t>(count);
  const GdipBuffer pointBuffer(Alloc(points));
  const GdipBuffer typeBuffer(Alloc(types));
  if (!pointBuffer || !typeBuffer) {
    LastGdipStatus = kOutOfMemory;
    return false;
  }
  PathDataBlock block{count, pointBuffer.get(), typeBuffer.get()};
  if (!Action(GDIP_FLAT(GdipGetPathData), path_, &block)) return false;
  data.Count = block.Count;
  std::memcpy(data.Points.Data(), pointBuffer.get(), points);
  std::memcpy(data.Types.Data(), typeBuffer.get(), types);
  return true;
}

template <typename Array, typename Fn>
bool GraphicsPath::FillPerPoint(Array& array, std::optional<int32_t> count, Fn fill) {
  if (!count) {
    INT points = 0;
    if (!Action(GDIP_FLAT(GdipGetPointCount), path_, &points) || points == 0) return false;
    count = points;
  }
  array.Clear();
  array.Resize(*count);
  return Action(fill, path_, array.Data(), array.Count());
}

bool GraphicsPath::GetPathTypes(Bytes& types, std::optional<int32_t> count) {
  return FillPerPoint(types, count, GDIP_FLAT(GdipGetPathTypes));
}

bool GraphicsPath::GetPathPoints(PointsF& points, std::optional<int32_t> count) {
  return FillPerPoint(points, count, GDIP_FLAT(GdipGetPathPoints));
}

bool GraphicsPath::GetPathPointsI(PointsI& points, std::optional<int32_t> count) {
  return FillPerPoint(points, count, GDIP_FLAT(GdipGetPathPointsI));
}

bool GraphicsPath::AddRoundRect(REAL x, REAL y, REAL width, REAL height, int32_t roundness) {
  const int32_t percent = std::clamp(roundness, 1, 100);
  const auto arcWidth = static_cast<REAL>(std::trunc(static_cast<double>(width) * percent / 100));
  const auto arcHeight = static_cast<REAL>(std::trunc(static_cast<double>(height) * percent / 100));
  const REAL right = x + width - arcWidth;
  const REAL bottom = y + height - arcHeight;
  // The arcs' statuses are not kept: closing the figure decides.
  const auto arc = GDIP_FLAT(GdipAddPathArc);
  flat::Invoke(arc, path_, right, y, arcWidth, arcHeight, 270.0f, 90.0f);
  flat::Invoke(arc, path_, right, bottom, arcWidth, arcHeight, 0.0f, 90.0f);
  flat::Invoke(arc, path_, x, bottom, arcWidth, arcHeight, 90.0f, 90.0f);
  flat::Invoke(arc, path_, x, y, arcWidth, arcHeight, 180.0f, 90.0f);
  return GdipClosePathFigure();
}

bool GraphicsPath::GdipAddPathString(std::string_view text, const FontFamily& family,
                                     int32_t emSize, const RectF& layout, int32_t style,
                                     const StringFormat& format) {
  return GdipAddPathString(ToWideText(text), family, emSize, layout, style, format);
}

bool GraphicsPath::GdipAddPathString(const runtime::ByteSet& wide, const FontFamily& family,
                                     int32_t emSize, const RectF& layout, int32_t style,
                                     const StringFormat& format) {
  return Action(GDIP_FLAT(GdipAddPathString), path_, WideData(wide), WideLength(wide), family,
                style, static_cast<REAL>(emSize), &layout, format);
}

bool GraphicsPath::GdipAddPathStringI(std::string_view text, const FontFamily& family,
                                      int32_t emSize, const RectI& layout, int32_t style,
                                      const StringFormat& format) {
  return GdipAddPathStringI(ToWideText(text), family, emSize, layout, style, format);
}

bool GraphicsPath::GdipAddPathStringI(const runtime::ByteSet& wide, const FontFamily& family,
                                      int32_t emSize, const RectI& layout, int32_t style,
                                      const StringFormat& format) {
  return Action(GDIP_FLAT(GdipAddPathStringI), path_, WideData(wide), WideLength(wide), family,
                style, static_cast<REAL>(emSize), &layout, format);
}

RectF GraphicsPath::GdipGetPathWorldBounds(const AnyWrapper* matrix, const Pen* pen) {
  RectF bounds;
  Action(GDIP_FLAT(GdipGetPathWorldBounds), path_, &bounds, NativeOf(matrix), NativeOf(pen));
  return bounds;
}

RectI GraphicsPath::GdipGetPathWorldBoundsI(const AnyWrapper* matrix, const Pen* pen) {
  RectI bounds;
  Action(GDIP_FLAT(GdipGetPathWorldBoundsI), path_, &bounds, NativeOf(matrix), NativeOf(pen));
  return bounds;
}

}  // namespace gdip
