// Fonts: the Font wrapper (font families and collections beside it).
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

class Font : public NativeWrapper {
 public:
  Font() = default;
  ~Font() override { Font::Destroy(); }

  void Destroy() override { GdipDeleteFont(); }
  bool GdipDeleteFont() { return Delete(font_, GDIP_FLAT(GdipDeleteFont)); }

 protected:
  void StoreNative(void* pointer) override { font_ = static_cast<Gdiplus::GpFont*>(pointer); }

 private:
  Gdiplus::GpFont* font_ = nullptr;
};

}  // namespace gdip
