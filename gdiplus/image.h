// Images: the Image wrapper and the Bitmap built on it.
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

class Image : public NativeWrapper {
 public:
  Image() = default;
  ~Image() override { Image::Destroy(); }

  void Destroy() override { GdipDisposeImage(); }
  bool GdipDisposeImage() { return Delete(image_, GDIP_FLAT(GdipDisposeImage)); }
  uint32_t GdipGetImageWidth() const { return Get<UINT>(GDIP_FLAT(GdipGetImageWidth), image_); }
  uint32_t GdipGetImageHeight() const { return Get<UINT>(GDIP_FLAT(GdipGetImageHeight), image_); }

 protected:
  void StoreNative(void* pointer) override {
    image_ = static_cast<Gdiplus::GpImage*>(pointer);
    NativeChanged(pointer);
  }
  virtual void NativeChanged(void* pointer) {}

 private:
  Gdiplus::GpImage* image_ = nullptr;
};

}  // namespace gdip
