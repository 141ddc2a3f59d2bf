// Graphics paths: the GraphicsPath wrapper.
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

class GraphicsPath : public NativeWrapper {
 public:
  GraphicsPath() = default;
  ~GraphicsPath() override { GraphicsPath::Destroy(); }

  void Destroy() override { GdipDeletePath(); }
  bool GdipDeletePath() { return Delete(path_, GDIP_FLAT(GdipDeletePath)); }

 protected:
  void StoreNative(void* pointer) override { path_ = static_cast<Gdiplus::GpPath*>(pointer); }

 private:
  Gdiplus::GpPath* path_ = nullptr;
};

}  // namespace gdip
