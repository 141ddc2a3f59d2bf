// Images: the Image wrapper and the Bitmap built on it, loaded from and saved to memory through
// MemoryStream, with their encoder parameters, palettes, frames and property items.
#pragma once

#include <optional>
#include <string_view>

#include "gdiplus/image_records.h"
#include "gdiplus/memory_stream.h"
#include "gdiplus/native_wrapper.h"
#include "gdiplus/rows.h"

namespace gdip {

class Graphics;

// Width and height as GDI+ measures an image.
struct SizeF {
  REAL Width = 0, Height = 0;
};

// A locked rectangle of a bitmap, laid out as GDI+ fills it.
struct LockedBits {
  uint32_t Width = 0, Height = 0;
  int32_t Stride = 0;
  int32_t PixelFormat = 0;
  void* Scan0 = nullptr;
  UINT_PTR Reserved = 0;
};
static_assert(sizeof(LockedBits) == sizeof(Gdiplus::BitmapData));

// What Bitmap::ApplyEffect needs of an effect, whose wrapper lives outside this layer: the GDI+
// effect object, whether it asks for auxiliary data, and that data. The data is allocated by GDI+;
// ApplyEffect frees the data of an earlier application (GdipFree) before asking for new data, and
// the effect's owner frees the last data it was handed.
class Effect {
 public:
  virtual ~Effect() = default;
  [[nodiscard]] virtual void* EffectPointer() const = 0;
  [[nodiscard]] virtual bool UsesAuxData() const = 0;
  [[nodiscard]] virtual void* AuxData() const = 0;
  [[nodiscard]] virtual int32_t AuxDataSize() const = 0;
  virtual void SetAuxData(void* data, int32_t size) = 0;
};

// Rows of each class in the order of its operations; see rows.h for the kinds. The getters and the
// clone work on a const image.
#define GDIP_IMAGE_TABLE(ROW)                                                                      \
  ROW(INTO, GdipCloneImage, (NativeWrapper& target) const, ())                                     \
  ROW(GET_INT, GdipGetImageType, () const, ())                                                     \
  ROW(GET_UINT, GdipGetImageWidth, () const, ())                                                   \
  ROW(GET_UINT, GdipGetImageHeight, () const, ())                                                  \
  ROW(GET_REAL, GdipGetImageHorizontalResolution, () const, ())                                    \
  ROW(GET_REAL, GdipGetImageVerticalResolution, () const, ())                                      \
  ROW(GET_UINT, GdipGetImageFlags, () const, ())                                                   \
  ROW(GET_INT, GdipGetImagePixelFormat, () const, ())                                              \
  ROW(ACTION, GdipImageRotateFlip, (int32_t rotateFlipType), (, rotateFlipType))                   \
  ROW(ACTION, GdipRemovePropertyItem, (uint32_t id), (, id))

#define GDIP_BITMAP_TABLE(ROW)                                                                     \
  ROW(CREATE, GdipCreateBitmapFromScan0,                                                           \
    (int32_t width, int32_t height, int32_t stride, int32_t pixelFormat, void* scan0),             \
    (, width, height, stride, pixelFormat, scan0))                                                 \
  ROW(CREATE, GdipCreateBitmapFromGdiDib, (const BITMAPINFO* info, void* bits), (, info, bits))    \
  ROW(CREATE, GdipCreateBitmapFromHBITMAP, (HBITMAP bitmap, HPALETTE palette),                     \
    (, bitmap, palette))                                                                           \
  ROW(CREATE, GdipCreateBitmapFromHICON, (HICON icon), (, icon))                                   \
  ROW(CREATE, GdipCreateBitmapFromResource, (HINSTANCE module, const WCHAR* name),                 \
    (, module, name))                                                                              \
  ROW(GET_HICON, GdipCreateHICONFromBitmap, () const, ())                                          \
  ROW(ACTION, GdipBitmapLockBits,                                                                  \
    (const RectI& rect, uint32_t flags, int32_t pixelFormat, LockedBits& bits),                    \
    (, &rect, flags, pixelFormat, &bits))                                                          \
  ROW(ACTION, GdipBitmapUnlockBits, (LockedBits& bits), (, &bits))                                 \
  ROW(GET_ARGB, GdipBitmapGetPixel, (int32_t x, int32_t y) const, (, x, y))                        \
  ROW(ACTION, GdipBitmapSetPixel, (int32_t x, int32_t y, ARGB colour), (, x, y, colour))           \
  ROW(ACTION, GdipBitmapSetResolution, (REAL xDpi, REAL yDpi), (, xDpi, yDpi))

// A GDI+ image. It owns the stream it was loaded from, which GDI+ reads lazily while the image lives.
class Image : public NativeWrapper {
 public:
  Image() = default;
  ~Image() override { Image::Destroy(); }

  // Disposes the image; the stream goes with the wrapper.
  void Destroy() override { GdipDisposeImage(); }
  // delete: disposes the image and releases the stream it was loaded from.
  virtual bool GdipDisposeImage();
  // create: GdipLoadImageFromFileICM when colour management is asked for.
  virtual bool GdipLoadImageFromFile(std::string_view fileName, bool colourManaged = false);
  virtual bool GdipLoadImageFromFile(const runtime::ByteSet& wideFileName, bool colourManaged = false);
  // create: the image held in `bytes` (an image file), read through this image's own stream over
  // a copy of them; the caller may free `bytes` afterwards. Releases the stream of an earlier load.
  virtual bool LoadFromBytes(const runtime::ByteSet& bytes, bool colourManaged = false);

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(image_, kind, name, params, args)
  GDIP_IMAGE_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

  // The encoder parameters of the encoder of `format` (GUID text) into `list`; unchanged on failure.
  bool GetEncoderParameterList(std::string_view format, EncoderParameterList& list) const;
  // Saves through the encoder of `format` (default BMP); a format without an encoder fails in GDI+.
  bool SaveToFile(std::string_view fileName, std::optional<std::string_view> format = std::nullopt,
                  const EncoderParameterList* parameters = nullptr) const;
  bool SaveToFile(const runtime::ByteSet& wideFileName,
                  std::optional<std::string_view> format = std::nullopt,
                  const EncoderParameterList* parameters = nullptr) const;
  // The image encoded as `format` (default: the image's own raw format); empty when nothing was
  // written. LastGdipStatus holds the save's status.
  [[nodiscard]] runtime::ByteSet SaveToBytes(std::optional<std::string_view> format = std::nullopt,
                                             const EncoderParameterList* parameters = nullptr) const;
  bool GdipSaveAdd(const EncoderParameterList& parameters);
  bool GdipSaveAddImage(const Image& added, const EncoderParameterList& parameters);
  // value: width and height.
  [[nodiscard]] SizeF GdipGetImageDimension() const;
  // GDI+ fills both; returns the status itself (0 on success).
  int GdipGetImageBounds(RectF& bounds, int32_t& unit) const;
  // The raw format as GUID text (the all-zero GUID's text when the call fails).
  [[nodiscard]] runtime::Text GdipGetImageRawFormat() const;
  bool GetPalette(Palette& palette) const;
  // GDI+ reads flags, count and count entries; flags and count are read back afterwards.
  bool SetPalette(Palette& palette);
  // into: a thumbnail of width x height, without an abort callback.
  bool GdipGetImageThumbnail(uint32_t width, uint32_t height, NativeWrapper& target) const;
  // get: the number of frames in the dimension named by GUID text.
  [[nodiscard]] uint32_t GdipImageGetFrameCount(std::string_view dimension) const;
  // The frame dimensions as GUID texts; returns their number (0, list unchanged, on failure).
  int GetFrameDimensions(runtime::CountedArray<runtime::Text>& dimensions) const;
  bool GdipImageSelectActiveFrame(std::string_view dimension, uint32_t index);
  // The frame delays (property 0x5100); false, array unchanged, when the image has none.
  bool GetFrameDelays(runtime::CountedArray<int32_t>& delays) const;
  // false, item unchanged, when the image has no property `id`.
  bool GetPropertyItem(uint32_t id, PropertyItem& item) const;
  bool SetPropertyItem(PropertyItem& item);
  // The ids of the image's properties; returns their number (0, array unchanged, on failure).
  int GetPropertyIdList(runtime::CountedArray<uint32_t>& ids) const;

 protected:
  void StoreNative(void* pointer) override {
    image_ = static_cast<Gdiplus::GpImage*>(pointer);
    NativeChanged(pointer);
  }
  virtual void NativeChanged(void* pointer) {}

 private:
  Gdiplus::GpImage* image_ = nullptr;
  MemoryStream stream_;
};

// A GDI+ bitmap. It keeps a stream of its own for its creation from bytes and never uses the
// Image's.
class Bitmap : public Image {
 public:
  Bitmap() = default;
  ~Bitmap() override { Bitmap::Destroy(); }

  void Destroy() override { GdipDisposeImage(); }
  // delete: disposes the bitmap and releases the bitmap's stream.
  bool GdipDisposeImage() override;
  // create: through GdipCreateBitmapFromFile, or GdipCreateBitmapFromFileICM with colour management.
  bool GdipLoadImageFromFile(std::string_view fileName, bool colourManaged = false) override;
  bool GdipLoadImageFromFile(const runtime::ByteSet& wideFileName, bool colourManaged = false) override;
  // create: through GdipCreateBitmapFromStream (or its ICM variant) over the bitmap's own stream.
  bool LoadFromBytes(const runtime::ByteSet& bytes, bool colourManaged = false) override;

#define GDIP_OPT(value) = value
#define GDIP_ROW(kind, name, params, args) GDIP_INLINE_ROW(bitmap_, kind, name, params, args)
  GDIP_BITMAP_TABLE(GDIP_ROW)
#undef GDIP_ROW
#undef GDIP_OPT

  // create: a blank width x height bitmap (default 32-bit ARGB), its pixels owned by GDI+.
  bool CreateBitmap(int32_t width, int32_t height, int32_t pixelFormat = kPixelFormat32bppArgb) {
    return GdipCreateBitmapFromScan0(width, height, 0, pixelFormat, nullptr);
  }
  // create: a bitmap of width x height with the resolution of `graphics`.
  bool GdipCreateBitmapFromGraphics(int32_t width, int32_t height, const Graphics& graphics);
  // get: a new GDI bitmap of the pixels over `background`; the caller owns it.
  [[nodiscard]] HBITMAP GdipCreateHBITMAPFromBitmap(ARGB background) const;
  // into: a copy of `area` in `pixelFormat`.
  bool GdipCloneBitmapArea(const RectF& area, int32_t pixelFormat, NativeWrapper& target) const;
  bool GdipCloneBitmapAreaI(const RectI& area, int32_t pixelFormat, NativeWrapper& target) const;
  // Applies `effect` to `area` (left, top, right, bottom; the whole bitmap when null) and hands the
  // auxiliary data GDI+ returns to the effect. Needs GDI+ 1.1; without it the status says so.
  bool ApplyEffect(Effect& effect, RECT* area = nullptr);
  // Draws this bitmap turned by `angle` degrees about its centre onto a new 32-bit ARGB canvas of
  // `size` (default: GetRotatedSize of this bitmap) and hands the canvas to `target`, which must not
  // hold a bitmap of its own. Uncovered canvas stays transparent or takes `background`.
  bool RotateInto(REAL angle, Bitmap& target, std::optional<ARGB> background = std::nullopt,
                  std::optional<int32_t> interpolationMode = std::nullopt,
                  std::optional<SizeF> size = std::nullopt);
  // The extent of a width x height rectangle turned by `angle` degrees, measured between the
  // centres of its corner pixels; (width - 1, height - 1) for angle 0.
  static void GetRotatedSize(REAL width, REAL height, int32_t angle, REAL& rotatedWidth,
                             REAL& rotatedHeight);

 protected:
  void NativeChanged(void* pointer) override { bitmap_ = static_cast<Gdiplus::GpBitmap*>(pointer); }

 private:
  Gdiplus::GpBitmap* bitmap_ = nullptr;
  MemoryStream bitmapStream_;
};

}  // namespace gdip
