// String formats: the StringFormat wrapper.
#pragma once

#include "gdiplus/native_wrapper.h"

namespace gdip {

class StringFormat : public NativeWrapper {
 public:
  StringFormat() = default;
  ~StringFormat() override { StringFormat::Destroy(); }

  void Destroy() override { GdipDeleteStringFormat(); }
  bool GdipDeleteStringFormat() { return Delete(format_, GDIP_FLAT(GdipDeleteStringFormat)); }

 protected:
  void StoreNative(void* pointer) override { format_ = static_cast<Gdiplus::GpStringFormat*>(pointer); }

 private:
  Gdiplus::GpStringFormat* format_ = nullptr;
};

}  // namespace gdip
