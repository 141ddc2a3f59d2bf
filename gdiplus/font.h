// Fonts: the Font wrapper, made from family names, device contexts, GDI fonts and logical fonts.
#pragma once

#include <string_view>

#include "gdiplus/font_family.h"
#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"
#include "runtime/byte_set.h"

namespace gdip {

class Graphics;

// Rows in the order of the operations after the deletion; see rows.h for the kinds.
#define GDIP_FONT_TABLE(ROW)                                                                       \
  ROW(CREATE, GdipCreateFont,                                                                      \
    (const FontFamily& family, REAL emSize, int32_t style GDIP_OPT(0), int32_t unit GDIP_OPT(0)),  \
    (, family, emSize, style, unit))                                                               \
  ROW(CREATE, GdipCreateFontFromDC, (HDC dc), (, dc))                                              \
  ROW(INTO, GdipCloneFont, (Font& target), ())                                                     \
  /* the target receives a new family, which it owns */                                            \
  ROW(INTO, GdipGetFamily, (FontFamily& target), ())                                               \
  ROW(GET_INT, GdipGetFontStyle, (), ())                                                           \
  ROW(GET_REAL, GdipGetFontSize, (), ())                                                           \
  ROW(GET_INT, GdipGetFontUnit, (), ())                                                            \
  ROW(GET_REAL, GdipGetFontHeightGivenDPI, (REAL dpi), (, dpi))

class Font : public NativeWrapper {
 public:
  Font() = default;
  ~Font() override { Font::Destroy(); }

  void Destroy() override { GdipDeleteFont(); }
  bool GdipDeleteFont() { return Delete(font_, GDIP_FLAT(GdipDeleteFont)); }

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(font_, kind, name, params, args)
  GDIP_FONT_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

  // The stock DEFAULT_GUI_FONT for the screen. False, with no GDI+ call, when the stock font cannot
  // be read.
  bool CreateDefaultFont();
  // The installed family of that name at em size `emSize` (unit 2: pixels).
  bool CreateFontByName(std::string_view name, REAL emSize, int32_t style = 0, int32_t unit = 0);
  bool CreateFontByName(const runtime::ByteSet& name, REAL emSize, int32_t style = 0,
                        int32_t unit = 0);
  // The GDI font `font` as `dc` renders it; without a font (or one that cannot be read), the font
  // selected into `dc`.
  bool CreateFontFromHandle(HDC dc, HFONT font = nullptr);
  // A logical font as `dc` renders it; without a record, the font selected into `dc`.
  bool GdipCreateFontFromLogfontA(HDC dc, const LOGFONTA* logFont);
  bool GdipCreateFontFromLogfontW(HDC dc, const LOGFONTW* logFont);
  // GDI+ fills `logFont` with this font as `graphics` renders it.
  bool GdipGetLogFontA(const Graphics& graphics, LOGFONTA& logFont);
  bool GdipGetLogFontW(const Graphics& graphics, LOGFONTW& logFont);
  REAL GdipGetFontHeight(const Graphics& graphics);

 protected:
  void StoreNative(void* pointer) override { font_ = static_cast<Gdiplus::GpFont*>(pointer); }

 private:
  Gdiplus::GpFont* font_ = nullptr;
};

}  // namespace gdip
