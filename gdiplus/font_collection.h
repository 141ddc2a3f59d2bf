// Font collections: the FontCollection wrapper, a borrowed view of a GDI+ collection.
#pragma once

#include "gdiplus/native_wrapper.h"
#include "runtime/counted_array.h"

namespace gdip {

class FontFamily;

// Has no creation operation: it is filled through SetNative or stays empty (an empty collection
// stands for the installed fonts). It never deletes the collection, which its lender owns.
class FontCollection : public NativeWrapper {
 public:
  FontCollection() = default;

  int32_t GdipGetFontCollectionFamilyCount() {
    return Get<int32_t>(GDIP_FLAT(GdipGetFontCollectionFamilyCount), collection_);
  }
  // Replaces `families` by `sought` wrappers, each owning a copy of one family of the collection
  // (elements beyond those found stay empty); returns the number found. A count below 1 is refused
  // with the invalid-parameter status and leaves `families` alone.
  int32_t GetFamilies(int32_t sought, runtime::CountedArray<FontFamily>& families);

 protected:
  void StoreNative(void* pointer) override {
    collection_ = static_cast<Gdiplus::GpFontCollection*>(pointer);
    NativeChanged(pointer);
  }
  virtual void NativeChanged(void* pointer) {}

 private:
  Gdiplus::GpFontCollection* collection_ = nullptr;
};

}  // namespace gdip
