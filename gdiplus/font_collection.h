// Font collections: the FontCollection wrapper, a borrowed view of a GDI+ collection.
#pragma once

#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"
#include "runtime/counted_array.h"

namespace gdip {

class FontFamily;

// Rows; see rows.h for the kinds.
#define GDIP_FONT_COLLECTION_TABLE(ROW) ROW(GET_INT, GdipGetFontCollectionFamilyCount, (), ())

// Has no creation operation: it is filled through SetNative or stays empty (an empty collection
// stands for the installed fonts). It never deletes the collection, which its lender owns.
class FontCollection : public NativeWrapper {
 public:
  FontCollection() = default;

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(collection_, kind, name, params, args)
  GDIP_FONT_COLLECTION_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

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
