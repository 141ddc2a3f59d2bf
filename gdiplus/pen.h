// Pens: the Pen wrapper.
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

class Pen : public NativeWrapper {
 public:
  Pen() = default;
  ~Pen() override { Pen::Destroy(); }

  void Destroy() override { GdipDeletePen(); }
  bool GdipDeletePen() { return Delete(pen_, GDIP_FLAT(GdipDeletePen)); }
  // A pen of one colour; the unit defaults to 2 (pixels).
  bool GdipCreatePen1(ARGB colour, REAL width, int32_t unit = 2) {
    return Create(GDIP_FLAT(GdipCreatePen1), colour, width, unit);
  }

 protected:
  void StoreNative(void* pointer) override { pen_ = static_cast<Gdiplus::GpPen*>(pointer); }

 private:
  Gdiplus::GpPen* pen_ = nullptr;
};

}  // namespace gdip
