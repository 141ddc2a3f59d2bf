// Font families: the FontFamily wrapper.
#pragma once

#include <string>
#include <string_view>

#include "gdiplus/font_collection.h"
#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"
#include "runtime/byte_set.h"

namespace gdip {

// Rows in the order of the operations after the deletion; see rows.h for the kinds.
#define GDIP_FONT_FAMILY_TABLE(ROW)                                                                \
  ROW(CREATE, GdipCreateFontFamilyFromName,                                                        \
    (const runtime::ByteSet& name, const FontCollection& collection),                              \
    (, WideData(name), collection))                                                                \
  ROW(CREATE, GdipGetGenericFontFamilySansSerif, (), ())                                           \
  ROW(CREATE, GdipGetGenericFontFamilySerif, (), ())                                               \
  ROW(CREATE, GdipGetGenericFontFamilyMonospace, (), ())                                           \
  ROW(INTO, GdipCloneFontFamily, (FontFamily& target), ())                                         \
  ROW(TEST, GdipIsStyleAvailable, (int32_t style), (, style))                                      \
  ROW(GET_U16, GdipGetEmHeight, (int32_t style), (, style))                                        \
  ROW(GET_U16, GdipGetCellAscent, (int32_t style), (, style))                                      \
  ROW(GET_U16, GdipGetCellDescent, (int32_t style), (, style))                                     \
  ROW(GET_U16, GdipGetLineSpacing, (int32_t style), (, style))

// Owns the family it holds and deletes it when it goes (an explicit GdipDeleteFontFamily empties it
// first, so the family is deleted once). Move-only, so that arrays of families can hold it.
class FontFamily : public NativeWrapper {
 public:
  FontFamily() = default;
  FontFamily(FontFamily&& other) noexcept { TakeFrom(other); }
  FontFamily& operator=(FontFamily&& other) noexcept {
    if (this != &other) {
      GdipDeleteFontFamily();
      TakeFrom(other);
    }
    return *this;
  }
  ~FontFamily() override { GdipDeleteFontFamily(); }

  bool GdipDeleteFontFamily() { return Delete(family_, GDIP_FLAT(GdipDeleteFontFamily)); }
  // The family of that name in `collection` (an empty collection: the installed fonts).
  bool GdipCreateFontFamilyFromName(std::string_view name, const FontCollection& collection);

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(family_, kind, name, params, args)
  GDIP_FONT_FAMILY_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

  // The family name (language neutral) as ANSI text; empty when it cannot be read.
  std::string GetFamilyName() const;
  // The family name as GDI+ gives it: 64 bytes of UTF-16, zero-padded.
  runtime::ByteSet GetFamilyNameWide() const;

 protected:
  void StoreNative(void* pointer) override { family_ = static_cast<Gdiplus::GpFontFamily*>(pointer); }

 private:
  // 32 UTF-16 code units: the longest face name and its terminator.
  static constexpr size_t kNameBytes = LF_FACESIZE * sizeof(WCHAR);

  Gdiplus::GpFontFamily* family_ = nullptr;
};

}  // namespace gdip
