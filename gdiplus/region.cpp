// Region operations: the table's rows, and the ones that check or fill buffers.
#include "gdiplus/region.h"

#include "gdiplus/graphics.h"

namespace gdip {

#define GDIP_OPT(value)
#define GDIP_ROW(kind, name, params, args) \
  GDIP_DEFINE_ROW(Region, region_, kind, name, params, args)
GDIP_REGION_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

bool Region::GdipCreateRegionRgnData(const runtime::ByteSet& data, int32_t size) {
  if (size < 0 || static_cast<size_t>(size) > data.Size()) return RejectInvalidParameter();
  return Create(GDIP_FLAT(GdipCreateRegionRgnData), data.Data(), size);
}

runtime::ByteSet Region::GetRegionData(uint32_t bufferSize, uint32_t& filled) {
  runtime::ByteSet data(static_cast<size_t>(bufferSize));
  Action(GDIP_FLAT(GdipGetRegionData), region_, data.Data(), bufferSize, &filled);
  return data;
}

uint32_t Region::GdipGetRegionScansCount(const AnyWrapper* matrix) {
  UINT count = 0;
  Action(GDIP_FLAT(GdipGetRegionScansCount), region_, &count, NativeOf(matrix));
  return count;
}

template <typename Array, typename Fn>
int32_t Region::FillScans(const AnyWrapper* matrix, Array& rects, Fn fill) {
  INT count = 0;  // GDI+ counts scans unsigned and fills them signed
  if (!Action(GDIP_FLAT(GdipGetRegionScansCount), region_, &count, NativeOf(matrix))) return 0;
  rects.Clear();
  rects.Resize(count);
  Action(fill, region_, rects.Data(), &count, NativeOf(matrix));
  return count;
}

int32_t Region::GetRegionScans(const AnyWrapper* matrix, RectsF& rects) {
  return FillScans(matrix, rects, GDIP_FLAT(GdipGetRegionScans));
}

int32_t Region::GetRegionScansI(const AnyWrapper* matrix, RectsI& rects) {
  return FillScans(matrix, rects, GDIP_FLAT(GdipGetRegionScansI));
}

}  // namespace gdip
