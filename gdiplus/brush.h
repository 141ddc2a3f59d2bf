// Brushes: the Brush base and the solid, linear-gradient and path-gradient brushes.
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

class Brush : public NativeWrapper {
 public:
  Brush() = default;
  ~Brush() override { Brush::Destroy(); }

  void Destroy() override { GdipDeleteBrush(); }
  bool GdipDeleteBrush() { return Delete(brush_, GDIP_FLAT(GdipDeleteBrush)); }

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

 protected:
  void NativeChanged(void* pointer) override { solid_ = static_cast<Gdiplus::GpSolidFill*>(pointer); }

 private:
  Gdiplus::GpSolidFill* solid_ = nullptr;
};

}  // namespace gdip
