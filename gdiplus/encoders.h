// The encoders that GDI+ offers, and the encoder of an image format.
#pragma once

#include <string_view>

#include "gdiplus/image_records.h"

namespace gdip {

// Replaces `list` by the encoders GDI+ reports; returns their number (0, list unchanged, on failure).
int GetEncoderList(runtime::CountedArray<EncoderInfo>& list);
// The class id text of the first encoder whose format id text equals `format` byte for byte (so a
// lower-case format finds nothing); empty when none does.
runtime::Text EncoderClsidForFormat(std::string_view format);

}  // namespace gdip
