// Regions: the Region wrapper.
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

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

 protected:
  void StoreNative(void* pointer) override { region_ = static_cast<Gdiplus::GpRegion*>(pointer); }

 private:
  Gdiplus::GpRegion* region_ = nullptr;
};

}  // namespace gdip
