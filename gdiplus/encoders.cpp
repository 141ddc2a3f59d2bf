// Encoder list: read from the block that GDI+ fills, one ImageCodecInfo per encoder.
#include "gdiplus/encoders.h"

#include <algorithm>
#include <vector>

#include "gdiplus/guid_text.h"
#include "gdiplus/native_wrapper.h"

namespace gdip {

namespace {

runtime::ByteSet GuidBytes(const GUID& guid) { return runtime::ByteSet(&guid, sizeof guid); }

runtime::ByteSet Signature(const BYTE* address, const Gdiplus::ImageCodecInfo& codec) {
  if (address == nullptr) return {};
  return runtime::ByteSet(address, static_cast<size_t>(codec.SigCount) * codec.SigSize);
}

}  // namespace

int GetEncoderList(runtime::CountedArray<EncoderInfo>& list) {
  UINT count = 0;
  UINT size = 0;
  LastGdipStatus = flat::Invoke(GDIP_FLAT(GdipGetImageEncodersSize), &count, &size);
  if (LastGdipStatus != kOk) return 0;
  list = runtime::CountedArray<EncoderInfo>(static_cast<int>(count));
  // The size bytes GDI+ asks for, zero-filled, and at least count records, so that a short
  // answer reads as empty encoders.
  const size_t records = (size + sizeof(Gdiplus::ImageCodecInfo) - 1) / sizeof(Gdiplus::ImageCodecInfo);
  std::vector<Gdiplus::ImageCodecInfo> buffer(std::max<size_t>(records, count));
  LastGdipStatus = flat::Invoke(GDIP_FLAT(GdipGetImageEncoders), count, size, buffer.data());
  for (UINT i = 0; i < count; ++i) {
    const Gdiplus::ImageCodecInfo& codec = buffer[i];
    EncoderInfo& info = list[static_cast<int>(i) + 1];
    info.classId = GuidToText(GuidBytes(codec.Clsid));
    info.formatId = GuidToText(GuidBytes(codec.FormatID));
    info.codecName = FromWideText(codec.CodecName);
    info.dllName = FromWideText(codec.DllName);
    info.formatDescription = FromWideText(codec.FormatDescription);
    info.fileNameExtension = FromWideText(codec.FilenameExtension);
    info.mimeType = FromWideText(codec.MimeType);
    info.flags = codec.Flags;
    info.version = codec.Version;
    info.signatureCount = codec.SigCount;
    info.signatureSize = codec.SigSize;
    info.signaturePatterns = Signature(codec.SigPattern, codec);
    info.signatureMasks = Signature(codec.SigMask, codec);
  }
  return static_cast<int>(count);
}

runtime::Text EncoderClsidForFormat(std::string_view format) {
  runtime::CountedArray<EncoderInfo> list;
  GetEncoderList(list);
  for (const EncoderInfo& info : list) {
    if (info.formatId == format) return info.classId;
  }
  return {};
}

}  // namespace gdip
