// Images and bitmaps: memory streams, encoding to and loading from bytes, encoder lookup, GUID text,
// bad picture bytes, GDI bitmaps made from bitmaps, rotation.
#include "gdiplus/image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gdiplus/encoders.h"
#include "gdiplus/guid_text.h"
#include "runtime/scoped_gdi.h"
#include "tests/gdiplus/gdiplus_fixture.h"

using namespace gdip;

namespace {

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr char kJpegFormat[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
constexpr char kPageDimension[] = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";

runtime::ByteSet Bytes(std::string_view text) { return runtime::ByteSet(text.data(), text.size()); }

bool StartsWith(const runtime::ByteSet& bytes, std::string_view prefix) {
  return bytes.Size() >= prefix.size() && bytes.View().substr(0, prefix.size()) == prefix;
}

// A small picture with distinct pixels: every pixel's colour follows from its position, some of
// them half transparent.
ARGB PixelAt(int x, int y) {
  const ARGB alpha = (x + y) % 3 == 0 ? 0x80 : 0xFF;
  return alpha << 24 | static_cast<ARGB>(x * 30) << 16 | static_cast<ARGB>(y * 40) << 8 | 0x55;
}

void Draw(Bitmap& bitmap, int width, int height) {
  ASSERT_TRUE(bitmap.CreateBitmap(width, height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) ASSERT_TRUE(bitmap.GdipBitmapSetPixel(x, y, PixelAt(x, y)));
  }
}

// The bytes of a width x height picture drawn with PixelAt and encoded as `format`.
runtime::ByteSet Encoded(std::string_view format, int width = 8, int height = 6) {
  Bitmap bitmap;
  Draw(bitmap, width, height);
  return bitmap.SaveToBytes(format);
}

TEST(MemoryStream, HoldsACopyOfTheBytesUntilReleased) {
  MemoryStream stream;
  EXPECT_EQ(stream.GetStream(), nullptr);
  stream.Release();  // nothing to release

  runtime::ByteSet bytes = Bytes("picture bytes");
  IStream* made = stream.CreateFromBytes(bytes);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(stream.GetStream(), made);
  ASSERT_NE(stream.GetBlock(), nullptr);
  EXPECT_EQ(stream.BlockSize(), bytes.Size());
  bytes = Bytes("changed later");
  EXPECT_EQ(stream.ReadBytes(), Bytes("picture bytes"));

  // A given size takes only that many bytes; the stream of the earlier creation is released.
  stream.CreateFromBytes(Bytes("picture bytes"), 7);
  EXPECT_EQ(stream.ReadBytes(), Bytes("picture"));

  // Writing through the stream grows the block, even one made empty.
  stream.CreateFromBytes(runtime::ByteSet());
  EXPECT_TRUE(stream.ReadBytes().Empty());
  ULONG written = 0;
  ASSERT_EQ(stream.GetStream()->Write("abc", 3, &written), S_OK);
  EXPECT_EQ(stream.ReadBytes(), Bytes("abc"));

  stream.Release();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.GetBlock(), nullptr);
}

TEST(MemoryStream, AttachesAStreamOverAGlobalBlock) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 3);
  ASSERT_NE(block, nullptr);
  std::memcpy(GlobalLock(block), "xyz", 3);
  GlobalUnlock(block);
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);

  MemoryStream owner;  // takes over the stream and the block
  EXPECT_TRUE(owner.AttachStream(stream));
  EXPECT_EQ(owner.GetBlock(), block);
  EXPECT_EQ(owner.ReadBytes(), Bytes("xyz"));
}

TEST(GuidText, ConvertsBetweenBytesAndRegistryText) {
  const runtime::ByteSet png = TextToGuid(kPngFormat);
  ASSERT_EQ(png.Size(), 16u);
  EXPECT_EQ(GuidToText(png), kPngFormat);
  // Parsing ignores case; the text written is always upper case.
  EXPECT_EQ(TextToGuid("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"), png);
  EXPECT_EQ(TextToGuid("not a guid"), runtime::ByteSet(16));
  EXPECT_EQ(GuidToText(runtime::ByteSet(16)), "{00000000-0000-0000-0000-000000000000}");
}

TEST(GuidText, WideTextComesBackInTheAnsiCodePage) {
  // A family name as fonts report it: "宋体" is CB CE CC E5 in GBK.
  const WCHAR family[] = {0x5B8B, 0x4F53, 0};
  EXPECT_EQ(FromWideText(family), "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(FromWideText(nullptr), "");
  EXPECT_EQ(FromWideText(L""), "");

  // Text made by FromWideText converts back through ToWideText (which reads the ANSI page) to the
  // same wide text. Where the OEM page differs from the ANSI page (Western systems), "é" tells them
  // apart; under GBK the two pages agree.
  const std::wstring texts[] = {L"\u5B8B\u4F53", L"Caf\u00E9", L"Tahoma"};
  for (const std::wstring& text : texts) {
    const runtime::ByteSet wide = ToWideText(FromWideText(text.c_str()));
    ASSERT_EQ(WideLength(wide), static_cast<int>(text.size()));
    EXPECT_EQ(std::wstring(WideData(wide)), text);
  }
}

TEST(Encoders, ListDescribesEachEncoder) {
  runtime::CountedArray<EncoderInfo> list;
  const int count = GetEncoderList(list);
  ASSERT_GT(count, 0);
  ASSERT_EQ(list.Count(), count);
  bool foundPng = false;
  for (const EncoderInfo& info : list) {
    EXPECT_EQ(info.classId.size(), 38u);
    EXPECT_EQ(info.formatId.size(), 38u);
    EXPECT_EQ(info.signaturePatterns.Size(), size_t{info.signatureCount} * info.signatureSize);
    if (info.formatId == kPngFormat) {
      foundPng = true;
      EXPECT_EQ(info.mimeType, "image/png");
      EXPECT_TRUE(StartsWith(info.signaturePatterns, "\x89PNG"));
    }
  }
  EXPECT_TRUE(foundPng);
}

TEST(Encoders, ClsidForFormatMatchesTheFormatTextExactly) {
  runtime::CountedArray<EncoderInfo> list;
  ASSERT_GT(GetEncoderList(list), 0);
  runtime::Text bmpEncoder;
  for (const EncoderInfo& info : list) {
    if (info.mimeType == "image/bmp") bmpEncoder = info.classId;
  }
  ASSERT_FALSE(bmpEncoder.empty());

  struct Case {
    const char* format;
    runtime::Text expected;
  };
  const Case cases[] = {
      {kBmpFormat, bmpEncoder},
      {"{b96b3cab-0728-11d3-9d7b-0000f81ef32e}", ""},  // the same format in lower case
      {"{00000000-0000-0000-0000-000000000000}", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(EncoderClsidForFormat(c.format), c.expected);
  }
}

TEST(ImageBytes, PngRoundTripKeepsEveryPixel) {
  runtime::ByteSet png = Encoded(kPngFormat);
  ASSERT_TRUE(StartsWith(png, "\x89PNG\r\n\x1A\n")) << "status " << LastGdipStatus;

  Bitmap loaded;
  ASSERT_TRUE(loaded.LoadFromBytes(png));
  png = runtime::ByteSet();  // the bitmap reads its own copy
  ASSERT_EQ(loaded.GdipGetImageWidth(), 8u);
  ASSERT_EQ(loaded.GdipGetImageHeight(), 6u);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(loaded.GdipBitmapGetPixel(x, y), PixelAt(x, y)) << "at " << x << "," << y;
    }
  }

  // The loaded picture saves again as PNG and loads once more as an Image.
  const runtime::ByteSet again = loaded.SaveToBytes(kPngFormat);
  ASSERT_TRUE(StartsWith(again, "\x89PNG"));
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(again));
  EXPECT_EQ(image.GdipGetImageRawFormat(), kPngFormat);
  const SizeF size = image.GdipGetImageDimension();
  EXPECT_EQ(size.Width, 8.0f);
  EXPECT_EQ(size.Height, 6.0f);
  RectF bounds;
  int32_t unit = -1;
  EXPECT_EQ(image.GdipGetImageBounds(bounds, unit), kOk);
  EXPECT_EQ(bounds.Width, 8.0f);
  EXPECT_EQ(unit, 2);  // pixels
}

TEST(ImageBytes, WithoutAFormatAJpegIsEncodedAsJpegAgain) {
  const runtime::ByteSet jpeg = Encoded(kJpegFormat, 16, 16);
  ASSERT_TRUE(StartsWith(jpeg, "\xFF\xD8\xFF")) << "status " << LastGdipStatus;

  Image image;
  ASSERT_TRUE(image.LoadFromBytes(jpeg));
  EXPECT_EQ(image.GdipGetImageRawFormat(), kJpegFormat);
  const runtime::ByteSet again = image.SaveToBytes();
  EXPECT_EQ(LastGdipStatus, kOk);
  EXPECT_TRUE(StartsWith(again, "\xFF\xD8\xFF"));
}

TEST(ImageBytes, AFormatWithoutAnEncoderSavesNothing) {
  Bitmap bitmap;
  Draw(bitmap, 4, 4);
  // A new bitmap's own format (an in-memory bitmap) has no encoder, nor has a lower-case PNG text.
  for (const std::optional<std::string_view> format :
       {std::optional<std::string_view>{}, std::optional<std::string_view>{"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"}}) {
    EXPECT_TRUE(bitmap.SaveToBytes(format).Empty());
    EXPECT_NE(LastGdipStatus, kOk);
  }
}

TEST(ImageBytes, BadPictureBytesFailThroughTheStatus) {
  const runtime::ByteSet png = Encoded(kPngFormat, 32, 32);
  const runtime::ByteSet jpeg = Encoded(kJpegFormat, 32, 32);
  ASSERT_GT(png.Size(), 60u);
  ASSERT_GT(jpeg.Size(), 100u);
  std::string random(400, '\0');
  uint32_t seed = 12345;
  for (char& c : random) {
    seed = seed * 1103515245 + 12345;
    c = static_cast<char>(seed >> 16);
  }
  // A PNG signature and a header chunk claiming 0x7FFFFFFF x 0x7FFFFFFF pixels (with its CRC),
  // then an end chunk.
  const std::string hugeHeader(
      "\x89PNG\r\n\x1A\n"
      "\x00\x00\x00\x0DIHDR\x7F\xFF\xFF\xFF\x7F\xFF\xFF\xFF\x08\x06\x00\x00\x00"
      "\x00\x00\x00\x00"  // CRC, filled in below
      "\x00\x00\x00\x00IEND\xAE\x42\x60\x82",
      8 + 25 + 12);
  std::string huge = hugeHeader;
  {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 12; i < 12 + 17; ++i) {
      crc ^= static_cast<uint8_t>(huge[i]);
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    crc = ~crc;
    for (int k = 0; k < 4; ++k) huge[29 + k] = static_cast<char>(crc >> (24 - 8 * k));
  }

  struct Case {
    const char* name;
    runtime::ByteSet bytes;
  };
  const Case cases[] = {
      {"empty", runtime::ByteSet()},
      {"truncated PNG", runtime::ByteSet(png.Data(), 40)},
      {"truncated JPEG", runtime::ByteSet(jpeg.Data(), jpeg.Size() / 3)},
      {"random bytes", Bytes(random)},
      {"PNG header claiming a huge size", Bytes(huge)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Image image;
    LastGdipStatus = kOk;
    EXPECT_FALSE(image.LoadFromBytes(c.bytes));
    EXPECT_NE(LastGdipStatus, kOk);
    Bitmap bitmap;
    LastGdipStatus = kOk;
    EXPECT_FALSE(bitmap.LoadFromBytes(c.bytes));
    EXPECT_NE(LastGdipStatus, kOk);
    EXPECT_EQ(bitmap.GetNative(), nullptr);
  }
}

TEST(ImageFiles, SavedFilesLoadAsImagesAndBitmaps) {
  char folder[MAX_PATH] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string bmpName = std::string(folder) + "quizmoor_image_test.bmp";
  const std::string pngName = std::string(folder) + "quizmoor_image_test.png";
  Bitmap drawn;
  Draw(drawn, 8, 6);
  ASSERT_TRUE(drawn.SaveToFile(bmpName));  // BMP when no format is given
  ASSERT_TRUE(drawn.SaveToFile(ToWideText(pngName), kPngFormat));

  Image image;
  EXPECT_TRUE(image.GdipLoadImageFromFile(bmpName));
  EXPECT_EQ(image.GdipGetImageRawFormat(), kBmpFormat);
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.GdipLoadImageFromFile(ToWideText(pngName)));
  EXPECT_EQ(bitmap.GdipGetImageRawFormat(), kPngFormat);
  EXPECT_EQ(bitmap.GdipBitmapGetPixel(7, 5), PixelAt(7, 5));
  // GDI+ keeps a file it loaded open until the image is disposed.
  EXPECT_TRUE(image.GdipDisposeImage());
  EXPECT_TRUE(bitmap.GdipDisposeImage());
  EXPECT_TRUE(DeleteFileA(bmpName.c_str()));
  EXPECT_TRUE(DeleteFileA(pngName.c_str()));
}

TEST(ImageLifetime, DisposingAnEmptyImageMakesNoCall) {
  Image image;
  LastGdipStatus = 12345;
  EXPECT_FALSE(image.GdipDisposeImage());
  EXPECT_EQ(LastGdipStatus, 12345);

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromBytes(Encoded(kPngFormat)));
  EXPECT_TRUE(bitmap.GdipDisposeImage());
  EXPECT_EQ(bitmap.GetNative(), nullptr);
  LastGdipStatus = 12345;
  EXPECT_FALSE(bitmap.GdipDisposeImage());
  EXPECT_EQ(LastGdipStatus, 12345);
}

TEST(ImageFrames, AStillPictureHasOnePageAndNoDelays) {
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(Encoded(kPngFormat)));

  runtime::CountedArray<runtime::Text> dimensions;
  ASSERT_EQ(image.GetFrameDimensions(dimensions), 1);
  EXPECT_EQ(dimensions[1], kPageDimension);
  EXPECT_EQ(image.GdipImageGetFrameCount(kPageDimension), 1u);
  EXPECT_TRUE(image.GdipImageSelectActiveFrame(kPageDimension, 0));

  runtime::CountedArray<int32_t> delays{7, 8};
  EXPECT_FALSE(image.GetFrameDelays(delays));
  EXPECT_EQ(delays, (runtime::CountedArray<int32_t>{7, 8}));
  PropertyItem item;
  item.id = 99;
  EXPECT_FALSE(image.GetPropertyItem(kFrameDelayProperty, item));
  EXPECT_EQ(item.id, 99u);
}

TEST(BitmapGdi, GdiBitmapsMadeFromBitmapsAreAllReleased) {
  Bitmap bitmap;
  Draw(bitmap, 4, 4);
  const HANDLE process = GetCurrentProcess();
  const DWORD before = GetGuiResources(process, GR_GDIOBJECTS);
  // More rounds than a process can hold GDI objects (10000 on Windows; about 65000 in wine, whose
  // GetGuiResources counts nothing): a GDI object left behind by each round fills them up.
  for (int i = 0; i < 70000; ++i) {
    const runtime::OwnedGdiObject<HBITMAP> gdiBitmap(bitmap.GdipCreateHBITMAPFromBitmap(0xFF000000));
    ASSERT_NE(gdiBitmap.Get(), nullptr) << "round " << i << ", status " << LastGdipStatus;
    if (i == 0) {
      BITMAP info{};
      ASSERT_EQ(GetObjectA(gdiBitmap.Get(), sizeof info, &info), static_cast<int>(sizeof info));
      EXPECT_EQ(info.bmWidth, 4);
      Bitmap copy;  // and back again
      ASSERT_TRUE(copy.GdipCreateBitmapFromHBITMAP(gdiBitmap.Get(), nullptr));
      EXPECT_EQ(copy.GdipBitmapGetPixel(3, 2) & 0xFFFFFF, PixelAt(3, 2) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), before);
  // Room is left for more: nothing filled the process's GDI objects up on the way.
  std::vector<runtime::OwnedGdiObject<HBITMAP>> held;
  for (int i = 0; i < 100; ++i) {
    held.emplace_back(CreateBitmap(1, 1, 1, 1, nullptr));
    ASSERT_NE(held.back().Get(), nullptr) << "object " << i;
  }
}

TEST(BitmapPixels, ClonedAreasAndLockedBitsShowTheSamePixels) {
  Bitmap bitmap;
  Draw(bitmap, 8, 6);
  Bitmap area;
  ASSERT_TRUE(bitmap.GdipCloneBitmapAreaI(RectI{2, 1, 4, 3}, kPixelFormat32bppArgb, area));
  EXPECT_EQ(area.GdipGetImageWidth(), 4u);
  EXPECT_EQ(area.GdipBitmapGetPixel(0, 0), PixelAt(2, 1));
  EXPECT_EQ(area.GdipBitmapGetPixel(3, 2), PixelAt(5, 3));

  LockedBits bits;
  const RectI whole{0, 0, 8, 6};
  ASSERT_TRUE(bitmap.GdipBitmapLockBits(whole, 1 /* read */, kPixelFormat32bppArgb, bits));
  const auto* row = static_cast<const uint8_t*>(bits.Scan0) + 4 * bits.Stride;
  EXPECT_EQ(reinterpret_cast<const ARGB*>(row)[7], PixelAt(7, 4));
  EXPECT_TRUE(bitmap.GdipBitmapUnlockBits(bits));
}

TEST(BitmapRotation, RotatedSizeMeasuresBetweenCornerPixelCentres) {
  struct Case {
    REAL width, height;
    int32_t angle;
    REAL expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {100, 50, 0, 99, 49},
      {100, 50, 90, 49, 99},
      {100, 50, 180, 99, 49},
      {11, 11, 45, 14.1421f, 14.1421f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.angle);
    REAL width = -1, height = -1;
    Bitmap::GetRotatedSize(c.width, c.height, c.angle, width, height);
    EXPECT_NEAR(width, c.expectedWidth, 1e-3);
    EXPECT_NEAR(height, c.expectedHeight, 1e-3);
  }
}

TEST(BitmapRotation, RotateIntoTurnsThePictureOnANewCanvas) {
  // 20 x 10: left half red, right half blue.
  Bitmap source;
  ASSERT_TRUE(source.CreateBitmap(20, 10));
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) source.GdipBitmapSetPixel(x, y, x < 10 ? 0xFFFF0000 : 0xFF0000FF);
  }

  Bitmap turned;
  ASSERT_TRUE(source.RotateInto(90, turned, 0xFF00FF00, std::nullopt, SizeF{30, 30}));
  EXPECT_EQ(LastGdipStatus, kOk);
  ASSERT_NE(turned.GetNative(), nullptr);
  EXPECT_NE(turned.GetNative(), source.GetNative());
  EXPECT_EQ(turned.GdipGetImageWidth(), 30u);
  // Turned clockwise about the centre (15, 15): the left half is now on top.
  EXPECT_EQ(turned.GdipBitmapGetPixel(15, 8), 0xFFFF0000u);
  EXPECT_EQ(turned.GdipBitmapGetPixel(15, 22), 0xFF0000FFu);
  EXPECT_EQ(turned.GdipBitmapGetPixel(2, 15), 0xFF00FF00u) << "uncovered canvas takes the background";

  // Without a size the canvas takes the rotated size; without a background it stays transparent.
  Bitmap plain;
  ASSERT_TRUE(source.RotateInto(90, plain));
  EXPECT_EQ(plain.GdipGetImageWidth(), 9u);
  EXPECT_EQ(plain.GdipGetImageHeight(), 19u);
}

// An effect wrapper as an owner outside the layer would keep one.
class FakeEffect : public Effect {
 public:
  ~FakeEffect() override { NativeWrapper::Free(auxData_); }
  void* EffectPointer() const override { return nullptr; }
  bool UsesAuxData() const override { return true; }
  void* AuxData() const override { return auxData_; }
  int32_t AuxDataSize() const override { return auxDataSize_; }
  void SetAuxData(void* data, int32_t size) override {
    auxData_ = data;
    auxDataSize_ = size;
  }

 private:
  void* auxData_ = nullptr;
  int32_t auxDataSize_ = 0;
};

TEST(BitmapEffects, AFailedEffectReportsThroughTheStatusAndFreesTheOldAuxData) {
  Bitmap bitmap;
  Draw(bitmap, 4, 4);
  FakeEffect effect;
  effect.SetAuxData(NativeWrapper::Alloc(16), 16);  // left by an earlier application
  LastGdipStatus = kOk;
  EXPECT_FALSE(bitmap.ApplyEffect(effect));
  EXPECT_NE(LastGdipStatus, kOk);
  EXPECT_EQ(effect.AuxData(), nullptr);
  EXPECT_EQ(effect.AuxDataSize(), 0);
}

}  // namespace
