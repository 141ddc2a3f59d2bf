// Graphics operations that combine calls, convert text or build argument blocks.
#include "gdiplus/graphics.h"

#include <vector>

namespace gdip {

bool Graphics::ScaleAt(REAL sx, REAL sy, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order, [&](REAL dx, REAL dy) { return GdipTranslateWorldTransform(dx, dy, order); },
      [&] { return GdipScaleWorldTransform(sx, sy, order); });
}

bool Graphics::RotateAt(REAL angle, const PointF& centre, int32_t order) {
  return AboutCentre(
      centre, order, [&](REAL dx, REAL dy) { return GdipTranslateWorldTransform(dx, dy, order); },
      [&] { return GdipRotateWorldTransform(angle, order); });
}

bool Graphics::GdipDrawString(std::string_view text, const Font& font, const Brush& brush,
                              const RectF& layout, const StringFormat& format) {
  return GdipDrawString(ToWideText(text), font, brush, layout, format);
}

bool Graphics::GdipDrawString(const runtime::ByteSet& wide, const Font& font, const Brush& brush,
                              const RectF& layout, const StringFormat& format) {
  return Action(GDIP_FLAT(GdipDrawString), graphics_, WideData(wide), WideLength(wide), font,
                &layout, format, brush);
}

bool Graphics::GdipMeasureString(std::string_view text, const Font& font, const RectF& layout,
                                 const StringFormat& format, RectF& boundingBox) {
  return GdipMeasureString(ToWideText(text), font, layout, format, boundingBox);
}

bool Graphics::GdipMeasureString(const runtime::ByteSet& wide, const Font& font,
                                 const RectF& layout, const StringFormat& format,
                                 RectF& boundingBox) {
  return Action(GDIP_FLAT(GdipMeasureString), graphics_, WideData(wide), WideLength(wide), font,
                &layout, format, &boundingBox, nullptr, nullptr);
}

bool Graphics::GdipMeasureCharacterRanges(std::string_view text, const Font& font,
                                          const RectF& layout, const StringFormat& format,
                                          int32_t count, runtime::CountedArray<Region>& regions) {
  return GdipMeasureCharacterRanges(ToWideText(text), font, layout, format, count, regions);
}

bool Graphics::GdipMeasureCharacterRanges(const runtime::ByteSet& wide, const Font& font,
                                          const RectF& layout, const StringFormat& format,
                                          int32_t count, runtime::CountedArray<Region>& regions) {
  if (count < 1) {
    LastGdipStatus = kInvalidParameter;
    return false;
  }
  // The new regions are owned by wrappers from the start, so every exit path deletes them unless
  // they are handed to the caller; the failing call's status outlives their deletion.
  runtime::CountedArray<Region> made(count);
  std::vector<Gdiplus::GpRegion*> list(static_cast<size_t>(count));
  const auto fail = [&made] {
    const int status = LastGdipStatus;
    made.Clear();
    LastGdipStatus = status;
    return false;
  };
  for (int i = 1; i <= count; ++i) {
    if (!made[i].GdipCreateRegion()) return fail();
    list[static_cast<size_t>(i - 1)] = static_cast<Gdiplus::GpRegion*>(made[i].GetNative());
  }
  if (!Action(GDIP_FLAT(GdipMeasureCharacterRanges), graphics_, WideData(wide), WideLength(wide),
              font, layout, format, count, list.data())) {
    return fail();
  }
  regions = std::move(made);
  return true;
}

bool Graphics::GdipDrawDriverString(std::string_view text, const Font& font, const Brush& brush,
                                    PointsF& positions, int32_t flags, const AnyWrapper* matrix) {
  return GdipDrawDriverString(ToWideText(text), font, brush, positions, flags, matrix);
}

bool Graphics::GdipDrawDriverString(const runtime::ByteSet& wide, const Font& font,
                                    const Brush& brush, PointsF& positions, int32_t flags,
                                    const AnyWrapper* matrix) {
  return Action(GDIP_FLAT(GdipDrawDriverString), graphics_,
                reinterpret_cast<const UINT16*>(WideData(wide)), WideLength(wide), font, brush,
                positions.Data(), flags, NativeOf(matrix));
}

bool Graphics::DrawImageStretched(const Image& image, REAL x, REAL y, REAL width, REAL height,
                                  int32_t srcUnit) {
  const auto srcWidth = static_cast<REAL>(image.GdipGetImageWidth());
  const auto srcHeight = static_cast<REAL>(image.GdipGetImageHeight());
  return GdipDrawImageRectRect(image, x, y, width, height, 0, 0, srcWidth, srcHeight, srcUnit);
}

bool Graphics::DrawImageStretched(const Image& image, int32_t x, int32_t y, int32_t width,
                                  int32_t height, int32_t srcUnit) {
  const auto srcWidth = static_cast<int32_t>(image.GdipGetImageWidth());
  const auto srcHeight = static_cast<int32_t>(image.GdipGetImageHeight());
  return GdipDrawImageRectRectI(image, x, y, width, height, 0, 0, srcWidth, srcHeight, srcUnit);
}

bool Graphics::GdipDrawImagePoints(const Image& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3,
                                   REAL y3) {
  const PointF points[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Action(GDIP_FLAT(GdipDrawImagePoints), graphics_, image, points, 3);
}

bool Graphics::GdipDrawImagePointsI(const Image& image, int32_t x1, int32_t y1, int32_t x2,
                                    int32_t y2, int32_t x3, int32_t y3) {
  const PointI points[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Action(GDIP_FLAT(GdipDrawImagePointsI), graphics_, image, points, 3);
}

bool Graphics::GdipDrawImagePointsRect(const Image& image, REAL x1, REAL y1, REAL x2, REAL y2,
                                       REAL x3, REAL y3, REAL srcX, REAL srcY, REAL srcWidth,
                                       REAL srcHeight, int32_t srcUnit,
                                       const AnyWrapper* attributes) {
  const PointF points[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Action(GDIP_FLAT(GdipDrawImagePointsRect), graphics_, image, points, 3, srcX, srcY,
                srcWidth, srcHeight, srcUnit, NativeOf(attributes), nullptr, nullptr);
}

bool Graphics::GdipDrawImagePointsRectI(const Image& image, int32_t x1, int32_t y1, int32_t x2,
                                        int32_t y2, int32_t x3, int32_t y3, int32_t srcX,
                                        int32_t srcY, int32_t srcWidth, int32_t srcHeight,
                                        int32_t srcUnit, const AnyWrapper* attributes) {
  const PointI points[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Action(GDIP_FLAT(GdipDrawImagePointsRectI), graphics_, image, points, 3, srcX, srcY,
                srcWidth, srcHeight, srcUnit, NativeOf(attributes), nullptr, nullptr);
}

}  // namespace gdip
