// String formats: the StringFormat wrapper (alignment, trimming, tab stops, measurable ranges).
#pragma once

#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"
#include "runtime/counted_array.h"

namespace gdip {

// A run of characters to measure: first character (0-based) and length.
struct CharacterRange {
  int32_t First = 0, Length = 0;
};
static_assert(sizeof(CharacterRange) == 8);

// Rows in the order of the operations after the deletion; see rows.h for the kinds.
#define GDIP_STRING_FORMAT_TABLE(ROW)                                                              \
  ROW(CREATE, GdipCreateStringFormat, (int32_t flags GDIP_OPT(0), LANGID language GDIP_OPT(0)),    \
    (, flags, language))                                                                           \
  ROW(CREATE, GdipStringFormatGetGenericDefault, (), ())                                           \
  ROW(CREATE, GdipStringFormatGetGenericTypographic, (), ())                                       \
  ROW(INTO, GdipCloneStringFormat, (StringFormat& target), ())                                     \
  ROW(ACTION, GdipSetStringFormatFlags, (int32_t flags), (, flags))                                \
  ROW(GET_INT, GdipGetStringFormatFlags, (), ())                                                   \
  ROW(ACTION, GdipSetStringFormatAlign, (int32_t alignment), (, alignment))                        \
  ROW(GET_INT, GdipGetStringFormatAlign, (), ())                                                   \
  ROW(ACTION, GdipSetStringFormatLineAlign, (int32_t alignment), (, alignment))                    \
  ROW(GET_INT, GdipGetStringFormatLineAlign, (), ())                                               \
  ROW(ACTION, GdipSetStringFormatTrimming, (int32_t trimming), (, trimming))                       \
  ROW(GET_INT, GdipGetStringFormatTrimming, (), ())                                                \
  ROW(ACTION, GdipSetStringFormatHotkeyPrefix, (int32_t prefix), (, prefix))                       \
  ROW(GET_INT, GdipGetStringFormatHotkeyPrefix, (), ())                                            \
  ROW(ACTION, GdipSetStringFormatTabStops,                                                         \
    (REAL firstTabOffset, const runtime::CountedArray<REAL>& tabStops),                            \
    (, firstTabOffset, tabStops.Count(), tabStops.Data()))                                         \
  /* GDI+ takes the language before the method */                                                  \
  ROW(ACTION, GdipSetStringFormatDigitSubstitution, (int32_t method, LANGID language GDIP_OPT(0)), \
    (, language, method))                                                                          \
  ROW(GET_INT, GdipGetStringFormatMeasurableCharacterRangeCount, (), ())

class StringFormat : public NativeWrapper {
 public:
  StringFormat() = default;
  ~StringFormat() override { StringFormat::Destroy(); }

  void Destroy() override { GdipDeleteStringFormat(); }
  bool GdipDeleteStringFormat() { return Delete(format_, GDIP_FLAT(GdipDeleteStringFormat)); }

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(format_, kind, name, params, args)
  GDIP_STRING_FORMAT_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

  // Reads the tab stops into `tabStops` (resized to their number) and the first tab offset; returns
  // their number. When the number cannot be read, returns 0 and leaves both outputs alone.
  int32_t GetTabStops(REAL& firstTabOffset, runtime::CountedArray<REAL>& tabStops);
  // Reads the digit substitution method and its language; both stay as they were on failure.
  bool GetDigitSubstitution(int32_t& method, int32_t& language);
  // The character ranges that GdipMeasureCharacterRanges (Graphics) measures.
  bool SetMeasurableCharacterRanges(const runtime::CountedArray<CharacterRange>& ranges);

 protected:
  void StoreNative(void* pointer) override { format_ = static_cast<Gdiplus::GpStringFormat*>(pointer); }

 private:
  Gdiplus::GpStringFormat* format_ = nullptr;
};

}  // namespace gdip
