// StringFormat operations that read arrays or pairs of values back from GDI+.
#include "gdiplus/string_format.h"

namespace gdip {

int32_t StringFormat::GetTabStops(REAL& firstTabOffset, runtime::CountedArray<REAL>& tabStops) {
  INT count = 0;
  if (!Action(GDIP_FLAT(GdipGetStringFormatTabStopCount), format_, &count)) return 0;
  tabStops = runtime::CountedArray<REAL>(count);
  Action(GDIP_FLAT(GdipGetStringFormatTabStops), format_, count, &firstTabOffset, tabStops.Data());
  return count;
}

bool StringFormat::GetDigitSubstitution(int32_t& method, int32_t& language) {
  // GDI+ writes a 16-bit language: read into locals so that no stale high half survives.
  LANGID readLanguage = 0;
  Gdiplus::StringDigitSubstitute readMethod{};
  if (!Action(GDIP_FLAT(GdipGetStringFormatDigitSubstitution), format_, &readLanguage, &readMethod)) {
    return false;
  }
  language = readLanguage;
  method = static_cast<int32_t>(readMethod);
  return true;
}

bool StringFormat::SetMeasurableCharacterRanges(const runtime::CountedArray<CharacterRange>& ranges) {
  return Action(GDIP_FLAT(GdipSetStringFormatMeasurableCharacterRanges), format_, ranges.Count(),
                ranges.Data());
}

}  // namespace gdip
