// Records that images exchange with their callers: encoder descriptions and parameters, property
// items and palettes. GUIDs travel as registry-form text (gdiplus/guid_text.h).
#pragma once

#include <cstdint>

#include "runtime/byte_set.h"
#include "runtime/counted_array.h"
#include "runtime/text.h"

namespace gdip {

// Image-format GUIDs: the default format of saved files, and the format the skin engine saves to.
inline constexpr char kBmpFormat[] = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
// 32 bits per pixel, ARGB: the pixel format of new bitmaps.
inline constexpr int32_t kPixelFormat32bppArgb = 0x26200A;
// The property that holds the delays of an animation's frames.
inline constexpr uint32_t kFrameDelayProperty = 0x5100;

// One encoder of the list that GDI+ reports.
struct EncoderInfo {
  runtime::Text classId;
  runtime::Text formatId;
  runtime::Text codecName;
  runtime::Text dllName;
  runtime::Text formatDescription;
  runtime::Text fileNameExtension;
  runtime::Text mimeType;
  uint32_t flags = 0;
  uint32_t version = 0;
  uint32_t signatureCount = 0;
  uint32_t signatureSize = 0;
  runtime::ByteSet signaturePatterns;  // signatureCount x signatureSize bytes
  runtime::ByteSet signatureMasks;
};

struct EncoderParameterItem {
  runtime::Text guid;
  uint32_t numberOfValues = 0;
  uint32_t valueType = 0;  // the GDI+ encoder value type (1 byte ... 8 rational range)
  runtime::ByteSet value;
};

// `count` is what GDI+ is told; callers set it to the number of items.
struct EncoderParameterList {
  uint32_t count = 0;
  runtime::CountedArray<EncoderParameterItem> items;
};

struct PropertyItem {
  uint32_t id = 0;
  uint32_t length = 0;  // of the value, in bytes
  uint32_t type = 0;    // the 16-bit GDI+ property type
  runtime::ByteSet value;
};

struct Palette {
  uint32_t flags = 0;
  uint32_t count = 0;
  runtime::CountedArray<uint32_t> entries;  // ARGB
};

}  // namespace gdip
