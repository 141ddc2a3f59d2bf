// String formats: the StringFormat wrapper (alignment, trimming, tab stops, measurable ranges).
#pragma once

#include "gdiplus/native_wrapper.h"
#include "runtime/counted_array.h"

namespace gdip {

// A run of characters to measure: first character (0-based) and length.
struct CharacterRange {
  int32_t First = 0, Length = 0;
};
static_assert(sizeof(CharacterRange) == 8);

// Rows: X(kind, flat function, parameters, arguments after the format pointer); a non-empty argument
// list starts with a comma. Kinds: CREATE (new format into this wrapper), INTO (new format into the
// target), ACTION (true on success), GET_INT (the output, whatever the status).
#define GDIP_STRING_FORMAT_TABLE(ROW)                                                             \
  ROW(CREATE, GdipCreateStringFormat, (int32_t flags = 0, LANGID language = 0), (, flags, language)) \
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
  ROW(ACTION, GdipSetStringFormatTabStops,                                                        \
    (REAL firstTabOffset, const runtime::CountedArray<REAL>& tabStops),                           \
    (, firstTabOffset, tabStops.Count(), tabStops.Data()))                                        \
  /* GDI+ takes the language before the method */                                             \
  ROW(ACTION, GdipSetStringFormatDigitSubstitution, (int32_t method, LANGID language = 0),        \
    (, language, method))                                                                         \
  ROW(GET_INT, GdipGetStringFormatMeasurableCharacterRangeCount, (), ())

class StringFormat : public NativeWrapper {
 public:
  StringFormat() = default;
  ~StringFormat() override { StringFormat::Destroy(); }

  void Destroy() override { GdipDeleteStringFormat(); }
  bool GdipDeleteStringFormat() { return Delete(format_, GDIP_FLAT(GdipDeleteStringFormat)); }

#define GDIP_ROW(kind, name, params, args) GDIP_ROW_##kind(name, params, args)
#define GDIP_ROW_CREATE(name, params, args) \
  bool name params { return Create(GDIP_FLAT(name) GDIP_EXPAND_ARGS args); }
#define GDIP_ROW_INTO(name, params, args) \
  bool name params { return Into(target, GDIP_FLAT(name), format_ GDIP_EXPAND_ARGS args); }
#define GDIP_ROW_ACTION(name, params, args) \
  bool name params { return Action(GDIP_FLAT(name), format_ GDIP_EXPAND_ARGS args); }
#define GDIP_ROW_GET_INT(name, params, args) \
  int32_t name params { return Get<int32_t>(GDIP_FLAT(name), format_ GDIP_EXPAND_ARGS args); }
#define GDIP_EXPAND_ARGS(...) __VA_ARGS__
  GDIP_STRING_FORMAT_TABLE(GDIP_ROW)
#undef GDIP_EXPAND_ARGS
#undef GDIP_ROW_GET_INT
#undef GDIP_ROW_ACTION
#undef GDIP_ROW_INTO
#undef GDIP_ROW_CREATE
#undef GDIP_ROW

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
