// GUIDs as registry-form text ("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}") and wide text as ANSI text.
#pragma once

#include <windows.h>

#include <string_view>

#include "runtime/byte_set.h"
#include "runtime/text.h"

namespace gdip {

// The 16 bytes of a GUID as text: braces, upper-case hexadecimal, 38 characters.
runtime::Text GuidToText(const runtime::ByteSet& guid);
// The 16 bytes of the GUID (or registered program id) that `text` names; all zero when it names none.
runtime::ByteSet TextToGuid(std::string_view text);
// A zero-terminated UTF-16 string as text in the ANSI code page; empty for a null address.
runtime::Text FromWideText(const WCHAR* wide);

}  // namespace gdip
