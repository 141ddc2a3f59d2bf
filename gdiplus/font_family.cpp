// FontFamily operations that convert names.
#include "gdiplus/font_family.h"

#include "gdiplus/guid_text.h"

namespace gdip {

bool FontFamily::GdipCreateFontFamilyFromName(std::string_view name, const FontCollection& collection) {
  return GdipCreateFontFamilyFromName(ToWideText(name), collection);
}

std::string FontFamily::GetFamilyName() const {
  const runtime::ByteSet wide = GetFamilyNameWide();
  if (LastGdipStatus != kOk) return {};
  return FromWideText(WideData(wide));
}

runtime::ByteSet FontFamily::GetFamilyNameWide() const {
  runtime::ByteSet name(kNameBytes);
  Action(GDIP_FLAT(GdipGetFamilyName), family_, reinterpret_cast<WCHAR*>(name.Data()), LANGID{0});
  return name;
}

}  // namespace gdip
