// GUID text conversion through OLE, and wide text back to the ANSI code page.
#include "gdiplus/guid_text.h"

#include <objbase.h>

#include "gdiplus/native_wrapper.h"

namespace gdip {

runtime::Text GuidToText(const runtime::ByteSet& guid) {
  GUID value{};
  if (guid.Size() >= sizeof value) std::memcpy(&value, guid.Data(), sizeof value);
  WCHAR text[39] = {};  // 38 characters and the terminator
  StringFromGUID2(value, text, 39);
  return FromWideText(text);
}

runtime::ByteSet TextToGuid(std::string_view text) {
  runtime::ByteSet guid(sizeof(GUID));
  const runtime::ByteSet wide = ToWideText(text);
  CLSIDFromString(WideData(wide), reinterpret_cast<CLSID*>(guid.Data()));
  return guid;
}

runtime::Text FromWideText(const WCHAR* wide) {
  if (wide == nullptr) return {};
  // The ANSI page, the one ToWideText reads: text converted back and forth comes out unchanged.
  const int needed = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 1) return {};
  runtime::Text text(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), needed, nullptr, nullptr);
  text.resize(static_cast<size_t>(needed - 1));  // without the terminator
  return text;
}

}  // namespace gdip
