// Font operations that combine calls: fonts from names, from GDI fonts, from logical fonts.
#include "gdiplus/font.h"

#include <memory>

#include "gdiplus/graphics.h"

namespace gdip {

namespace {

// A LOGFONTA buffer from GdipAlloc, released with GdipFree on every path.
struct GdipFreeDeleter {
  void operator()(void* block) const { NativeWrapper::Free(block); }
};
using LogFontBuffer = std::unique_ptr<LOGFONTA, GdipFreeDeleter>;

LogFontBuffer AllocLogFont() {
  return LogFontBuffer(static_cast<LOGFONTA*>(NativeWrapper::Alloc(sizeof(LOGFONTA))));
}

// GetObjectA of `font` into `buffer`; false when there is no buffer or the font cannot be read.
bool ReadLogFont(HGDIOBJ font, const LogFontBuffer& buffer) {
  return buffer && GetObjectA(font, sizeof(LOGFONTA), buffer.get()) != 0;
}

// The screen's device context, released when it goes.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  [[nodiscard]] HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

bool Font::CreateDefaultFont() {
  const LogFontBuffer buffer = AllocLogFont();
  if (!ReadLogFont(GetStockObject(DEFAULT_GUI_FONT), buffer)) return false;
  const ScreenDc screen;
  return Create(GDIP_FLAT(GdipCreateFontFromLogfontA), screen.Get(), buffer.get());
}

bool Font::CreateFontByName(std::string_view name, REAL emSize, int32_t style, int32_t unit) {
  return CreateFontByName(ToWideText(name), emSize, style, unit);
}

bool Font::CreateFontByName(const runtime::ByteSet& name, REAL emSize, int32_t style,
                            int32_t unit) {
  FontFamily family;
  family.GdipCreateFontFamilyFromName(name, FontCollection{});  // the installed fonts
  const bool created = GdipCreateFont(family, emSize, style, unit);
  family.GdipDeleteFontFamily();
  return created;
}

bool Font::CreateFontFromHandle(HDC dc, HFONT font) {
  if (font == nullptr) return GdipCreateFontFromDC(dc);
  const LogFontBuffer buffer = AllocLogFont();
  if (!ReadLogFont(font, buffer)) return GdipCreateFontFromDC(dc);
  return Create(GDIP_FLAT(GdipCreateFontFromLogfontA), dc, buffer.get());
}

bool Font::GdipCreateFontFromLogfontA(HDC dc, const LOGFONTA* logFont) {
  if (logFont == nullptr) return GdipCreateFontFromDC(dc);
  return Create(GDIP_FLAT(GdipCreateFontFromLogfontA), dc, logFont);
}

bool Font::GdipCreateFontFromLogfontW(HDC dc, const LOGFONTW* logFont) {
  if (logFont == nullptr) return GdipCreateFontFromDC(dc);
  return Create(GDIP_FLAT(GdipCreateFontFromLogfontW), dc, logFont);
}

bool Font::GdipGetLogFontA(const Graphics& graphics, LOGFONTA& logFont) {
  return Action(GDIP_FLAT(GdipGetLogFontA), font_, graphics, &logFont);
}

bool Font::GdipGetLogFontW(const Graphics& graphics, LOGFONTW& logFont) {
  return Action(GDIP_FLAT(GdipGetLogFontW), font_, graphics, &logFont);
}

REAL Font::GdipGetFontHeight(const Graphics& graphics) {
  return Get<REAL>(GDIP_FLAT(GdipGetFontHeight), font_, graphics);
}

}  // namespace gdip
