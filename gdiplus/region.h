// Regions: the Region wrapper.
#pragma once

#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"

namespace gdip {

class Graphics;
class GraphicsPath;

// Rows in the order of the operations after the creation of an infinite region; see rows.h for
// the kinds. Combinations intersect (mode 1) unless told otherwise.
#define GDIP_REGION_TABLE(ROW)                                                                     \
  ROW(CREATE, GdipCreateRegionRect, (const RectF& rect), (, &rect))                                \
  ROW(CREATE, GdipCreateRegionRectI, (const RectI& rect), (, &rect))                               \
  ROW(CREATE, GdipCreateRegionPath, (const GraphicsPath& path), (, path))                          \
  ROW(CREATE, GdipCreateRegionHrgn, (HRGN region), (, region))                                     \
  ROW(BY_HAND, GdipCreateRegionRgnData, (const runtime::ByteSet& data, int32_t size), ())          \
  ROW(INTO, GdipCloneRegion, (NativeWrapper& target), ())                                          \
  ROW(ACTION, GdipSetInfinite, (), ())                                                             \
  ROW(ACTION, GdipSetEmpty, (), ())                                                                \
  ROW(ACTION, GdipCombineRegionRect, (const RectF& rect, int32_t mode GDIP_OPT(1)),                \
    (, &rect, mode))                                                                               \
  ROW(ACTION, GdipCombineRegionRectI, (const RectI& rect, int32_t mode GDIP_OPT(1)),               \
    (, &rect, mode))                                                                               \
  ROW(ACTION, GdipCombineRegionRegion, (const Region& other, int32_t mode GDIP_OPT(1)),            \
    (, other, mode))                                                                               \
  ROW(ACTION, GdipCombineRegionPath, (const GraphicsPath& path, int32_t mode GDIP_OPT(1)),         \
    (, path, mode))                                                                                \
  ROW(ACTION, GdipTranslateRegion, (REAL dx, REAL dy), (, dx, dy))                                 \
  ROW(ACTION, GdipTranslateRegionI, (int32_t dx, int32_t dy), (, dx, dy))                          \
  ROW(ACTION, GdipTransformRegion, (const AnyWrapper& matrix), (, matrix))                         \
  ROW(VALUE_RECTF, GdipGetRegionBounds, (const Graphics* graphics), (, NativeOf(graphics)))        \
  ROW(VALUE_RECTI, GdipGetRegionBoundsI, (const Graphics* graphics), (, NativeOf(graphics)))       \
  ROW(GET_UINT, GdipGetRegionDataSize, (), ())                                                     \
  ROW(BY_HAND_BYTESET, GetRegionData, (uint32_t bufferSize, uint32_t& filled), ())                 \
  ROW(GET_HRGN, GdipGetRegionHRgn, (const Graphics* graphics), (, NativeOf(graphics)))             \
  ROW(TEST, GdipIsEmptyRegion, (const Graphics* graphics), (, NativeOf(graphics)))                 \
  ROW(TEST, GdipIsInfiniteRegion, (const Graphics* graphics), (, NativeOf(graphics)))              \
  ROW(TEST, GdipIsEqualRegion, (const Region& other, const Graphics* graphics),                    \
    (, other, NativeOf(graphics)))                                                                 \
  ROW(TEST, GdipIsVisibleRegionPoint, (const PointF& point, const Graphics* graphics),             \
    (, point.X, point.Y, NativeOf(graphics)))                                                      \
  ROW(TEST, GdipIsVisibleRegionPointI, (const PointI& point, const Graphics* graphics),            \
    (, point.X, point.Y, NativeOf(graphics)))                                                      \
  ROW(TEST, GdipIsVisibleRegionRect, (const RectF& rect, const Graphics* graphics),                \
    (, rect.X, rect.Y, rect.Width, rect.Height, NativeOf(graphics)))                               \
  ROW(TEST, GdipIsVisibleRegionRectI, (const RectI& rect, const Graphics* graphics),               \
    (, rect.X, rect.Y, rect.Width, rect.Height, NativeOf(graphics)))                               \
  ROW(BY_HAND_UINT, GdipGetRegionScansCount, (const AnyWrapper* matrix), ())                       \
  ROW(BY_HAND_INT, GetRegionScans, (const AnyWrapper* matrix, RectsF& rects), ())                  \
  ROW(BY_HAND_INT, GetRegionScansI, (const AnyWrapper* matrix, RectsI& rects), ())

class Region : public NativeWrapper {
 public:
  Region() = default;
  Region(Region&& other) noexcept { TakeFrom(other); }
  Region& operator=(Region&& other) noexcept {
    if (this != &other) {
      Destroy();
      TakeFrom(other);
    }
    return *this;
  }
  ~Region() override { Region::Destroy(); }

  void Destroy() override { GdipDeleteRegion(); }
  bool GdipDeleteRegion() { return Delete(region_, GDIP_FLAT(GdipDeleteRegion)); }
  bool GdipCreateRegion() { return Create(GDIP_FLAT(GdipCreateRegion)); }

#define GDIP_OPT(value) = value
  GDIP_REGION_TABLE(GDIP_DECLARE_ROW)
#undef GDIP_OPT

 protected:
  void StoreNative(void* pointer) override { region_ = static_cast<Gdiplus::GpRegion*>(pointer); }

 private:
  // GetRegionScans / GetRegionScansI: the scan count, the array resized to it and filled by `fill`.
  template <typename Array, typename Fn>
  int32_t FillScans(const AnyWrapper* matrix, Array& rects, Fn fill);

  Gdiplus::GpRegion* region_ = nullptr;
};

}  // namespace gdip
