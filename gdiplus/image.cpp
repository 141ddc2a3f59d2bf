// Image and Bitmap operations that combine calls, convert GUID text or read and build GDI+ blocks.
#include "gdiplus/image.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <vector>

#include "gdiplus/brush.h"
#include "gdiplus/encoders.h"
#include "gdiplus/graphics.h"
#include "gdiplus/guid_text.h"

namespace gdip {

namespace {

const GUID* AsGuid(const runtime::ByteSet& guid) { return reinterpret_cast<const GUID*>(guid.Data()); }

// The class id of the encoder of `format`; all zero when no encoder has that format.
runtime::ByteSet EncoderClsid(std::string_view format) {
  return TextToGuid(EncoderClsidForFormat(format));
}

// The block GDI+ reads encoder parameters from: the list's count, then one EncoderParameter per
// item. It borrows the items' value bytes, so the list outlives the call that reads the block.
class EncoderParameterBlock {
 public:
  explicit EncoderParameterBlock(const EncoderParameterList* list) {
    if (list == nullptr) return;
    // Room for `count` parameters even when the list holds fewer items: GDI+ reads `count`.
    const size_t entries = std::max<size_t>(list->count, static_cast<size_t>(list->items.Count()));
    block_.resize(kFirst + entries * sizeof(Gdiplus::EncoderParameter));
    std::memcpy(block_.data(), &list->count, sizeof list->count);
    size_t offset = kFirst;
    for (const EncoderParameterItem& item : list->items) {
      Gdiplus::EncoderParameter parameter{};
      std::memcpy(&parameter.Guid, TextToGuid(item.guid).Data(), sizeof parameter.Guid);
      parameter.NumberOfValues = item.numberOfValues;
      parameter.Type = item.valueType;
      parameter.Value = const_cast<uint8_t*>(item.value.Data());
      std::memcpy(block_.data() + offset, &parameter, sizeof parameter);
      offset += sizeof parameter;
    }
  }

  // The block, or null when no parameters were given.
  const Gdiplus::EncoderParameters* Get() const {
    return block_.empty() ? nullptr : reinterpret_cast<const Gdiplus::EncoderParameters*>(block_.data());
  }

 private:
  static constexpr size_t kFirst = offsetof(Gdiplus::EncoderParameters, Parameter);
  std::vector<uint8_t> block_;
};

// Bytes of `count` values of encoder value type `type` (1 byte ... 8 rational range); 0 for types
// beyond those, whose values are left empty.
size_t EncoderValueBytes(uint32_t type, uint32_t count) {
  static constexpr size_t kSizes[] = {0, 1, 1, 2, 4, 8, 8, 1, 16};
  return type < std::size(kSizes) ? kSizes[type] * count : 0;
}

// Leaves the status of the last call given to Keep in LastGdipStatus when it goes, after the
// temporaries declared below it have been deleted (their deletions store no status of their own).
class DecisiveStatus {
 public:
  DecisiveStatus() = default;
  DecisiveStatus(const DecisiveStatus&) = delete;
  DecisiveStatus& operator=(const DecisiveStatus&) = delete;
  ~DecisiveStatus() { LastGdipStatus = status_; }

  bool Keep(bool ok) {
    status_ = LastGdipStatus;
    return ok;
  }

 private:
  int status_ = kOk;
};

// A GDI+ matrix for one composition, deleted when it goes (the layer has no matrix class). Its
// transforms are prepended and store no status.
class ScratchMatrix : public NativeWrapper {
 public:
  ScratchMatrix() = default;
  ~ScratchMatrix() override { ScratchMatrix::Destroy(); }

  void Destroy() override {
    if (matrix_ != nullptr) flat::Invoke(GDIP_FLAT(GdipDeleteMatrix), matrix_);
    SetNative(nullptr);
  }
  bool GdipCreateMatrix() { return Create(GDIP_FLAT(GdipCreateMatrix)); }
  void Translate(REAL dx, REAL dy) {
    flat::Invoke(GDIP_FLAT(GdipTranslateMatrix), matrix_, dx, dy, Gdiplus::MatrixOrderPrepend);
  }
  void Rotate(REAL angle) {
    flat::Invoke(GDIP_FLAT(GdipRotateMatrix), matrix_, angle, Gdiplus::MatrixOrderPrepend);
  }

 protected:
  void StoreNative(void* pointer) override { matrix_ = static_cast<Gdiplus::GpMatrix*>(pointer); }

 private:
  Gdiplus::GpMatrix* matrix_ = nullptr;
};

}  // namespace

// Image

bool Image::GdipDisposeImage() {
  if (image_ == nullptr) return false;
  const int status = flat::Invoke(GDIP_FLAT(GdipDisposeImage), image_);
  stream_.Release();
  SetNative(nullptr);
  return Record(status);
}

bool Image::GdipLoadImageFromFile(std::string_view fileName, bool colourManaged) {
  return GdipLoadImageFromFile(ToWideText(fileName), colourManaged);
}

bool Image::GdipLoadImageFromFile(const runtime::ByteSet& wideFileName, bool colourManaged) {
  return colourManaged ? Create(GDIP_FLAT(GdipLoadImageFromFileICM), WideData(wideFileName))
                       : Create(GDIP_FLAT(GdipLoadImageFromFile), WideData(wideFileName));
}

bool Image::LoadFromBytes(const runtime::ByteSet& bytes, bool colourManaged) {
  IStream* stream = stream_.CreateFromBytes(bytes);
  return colourManaged ? Create(GDIP_FLAT(GdipLoadImageFromStreamICM), stream)
                       : Create(GDIP_FLAT(GdipLoadImageFromStream), stream);
}

bool Image::GetEncoderParameterList(std::string_view format, EncoderParameterList& list) const {
  const runtime::ByteSet clsid = EncoderClsid(format);
  UINT size = 0;
  if (!Action(GDIP_FLAT(GdipGetEncoderParameterListSize), image_, AsGuid(clsid), &size)) return false;
  constexpr size_t kFirst = offsetof(Gdiplus::EncoderParameters, Parameter);
  std::vector<uint8_t> buffer(std::max<size_t>(size, kFirst));
  if (!Action(GDIP_FLAT(GdipGetEncoderParameterList), image_, AsGuid(clsid), size,
              reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data()))) {
    return false;
  }
  uint32_t count = 0;
  std::memcpy(&count, buffer.data(), sizeof count);
  list.count = count;
  list.items = runtime::CountedArray<EncoderParameterItem>(static_cast<int>(count));
  for (uint32_t i = 0; i < count; ++i) {
    const size_t offset = kFirst + i * sizeof(Gdiplus::EncoderParameter);
    if (offset + sizeof(Gdiplus::EncoderParameter) > buffer.size()) break;  // a short answer
    Gdiplus::EncoderParameter parameter{};
    std::memcpy(&parameter, buffer.data() + offset, sizeof parameter);
    EncoderParameterItem& item = list.items[static_cast<int>(i) + 1];
    item.guid = GuidToText(runtime::ByteSet(&parameter.Guid, sizeof parameter.Guid));
    item.numberOfValues = parameter.NumberOfValues;
    item.valueType = parameter.Type;
    if (parameter.Value != nullptr) {
      item.value = runtime::ByteSet(parameter.Value,
                                    EncoderValueBytes(parameter.Type, parameter.NumberOfValues));
    }
  }
  return true;
}

bool Image::SaveToFile(std::string_view fileName, std::optional<std::string_view> format,
                       const EncoderParameterList* parameters) const {
  return SaveToFile(ToWideText(fileName), format, parameters);
}

bool Image::SaveToFile(const runtime::ByteSet& wideFileName, std::optional<std::string_view> format,
                       const EncoderParameterList* parameters) const {
  const runtime::ByteSet clsid = EncoderClsid(format.value_or(kBmpFormat));
  const EncoderParameterBlock block(parameters);
  return Action(GDIP_FLAT(GdipSaveImageToFile), image_, WideData(wideFileName), AsGuid(clsid),
                block.Get());
}

runtime::ByteSet Image::SaveToBytes(std::optional<std::string_view> format,
                                    const EncoderParameterList* parameters) const {
  const runtime::Text chosen = format ? runtime::Text(*format) : GdipGetImageRawFormat();
  const runtime::ByteSet clsid = EncoderClsid(chosen);
  MemoryStream target;
  IStream* stream = target.CreateFromBytes(runtime::ByteSet());
  const EncoderParameterBlock block(parameters);
  Action(GDIP_FLAT(GdipSaveImageToStream), image_, stream, AsGuid(clsid), block.Get());
  return target.ReadBytes();
}

bool Image::GdipSaveAdd(const EncoderParameterList& parameters) {
  const EncoderParameterBlock block(&parameters);
  return Action(GDIP_FLAT(GdipSaveAdd), image_, block.Get());
}

bool Image::GdipSaveAddImage(const Image& added, const EncoderParameterList& parameters) {
  const EncoderParameterBlock block(&parameters);
  return Action(GDIP_FLAT(GdipSaveAddImage), image_, added, block.Get());
}

SizeF Image::GdipGetImageDimension() const {
  SizeF size;
  Record(flat::Invoke(GDIP_FLAT(GdipGetImageDimension), image_, &size.Width, &size.Height));
  return size;
}

int Image::GdipGetImageBounds(RectF& bounds, int32_t& unit) const {
  Record(flat::Invoke(GDIP_FLAT(GdipGetImageBounds), image_, &bounds, &unit));
  return LastGdipStatus;
}

runtime::Text Image::GdipGetImageRawFormat() const {
  runtime::ByteSet format(sizeof(GUID));
  Record(flat::Invoke(GDIP_FLAT(GdipGetImageRawFormat), image_, reinterpret_cast<GUID*>(format.Data())));
  return GuidToText(format);
}

bool Image::GetPalette(Palette& palette) const {
  INT size = 0;
  if (!Action(GDIP_FLAT(GdipGetImagePaletteSize), image_, &size)) return false;
  // Whole 32-bit values, at least flags and count.
  std::vector<uint32_t> buffer(std::max<size_t>((static_cast<size_t>(std::max(size, 0)) + 3) / 4, 2));
  if (!Action(GDIP_FLAT(GdipGetImagePalette), image_,
              reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data()), size)) {
    return false;
  }
  palette.flags = buffer[0];
  palette.count = buffer[1];
  const size_t available = std::min<size_t>(palette.count, buffer.size() - 2);
  palette.entries = runtime::CountedArray<uint32_t>(static_cast<int>(palette.count));
  std::copy_n(buffer.begin() + 2, available, palette.entries.begin());
  return true;
}

bool Image::SetPalette(Palette& palette) {
  // Flags, count, then `count` entries (zero where the palette holds fewer).
  const size_t entries = std::max<size_t>(palette.count, static_cast<size_t>(palette.entries.Count()));
  std::vector<uint32_t> block(2 + entries);
  block[0] = palette.flags;
  block[1] = palette.count;
  std::copy(palette.entries.begin(), palette.entries.end(), block.begin() + 2);
  const bool ok = Action(GDIP_FLAT(GdipSetImagePalette), image_,
                         reinterpret_cast<const Gdiplus::ColorPalette*>(block.data()));
  palette.flags = block[0];
  palette.count = block[1];
  return ok;
}

bool Image::GdipGetImageThumbnail(uint32_t width, uint32_t height, NativeWrapper& target) const {
  void* thumbnail = nullptr;
  const bool ok = Record(flat::Invoke(GDIP_FLAT(GdipGetImageThumbnail), image_, width, height,
                                      &thumbnail, nullptr, nullptr));
  target.SetNative(thumbnail);
  return ok;
}

uint32_t Image::GdipImageGetFrameCount(std::string_view dimension) const {
  return Get<UINT>(GDIP_FLAT(GdipImageGetFrameCount), image_, AsGuid(TextToGuid(dimension)));
}

int Image::GetFrameDimensions(runtime::CountedArray<runtime::Text>& dimensions) const {
  UINT count = 0;
  if (!Action(GDIP_FLAT(GdipImageGetFrameDimensionsCount), image_, &count)) return 0;
  dimensions = runtime::CountedArray<runtime::Text>(static_cast<int>(count));
  std::vector<GUID> list(count);
  Action(GDIP_FLAT(GdipImageGetFrameDimensionsList), image_, list.data(), count);
  for (UINT i = 0; i < count; ++i) {
    dimensions[static_cast<int>(i) + 1] = GuidToText(runtime::ByteSet(&list[i], sizeof(GUID)));
  }
  return static_cast<int>(count);
}

bool Image::GdipImageSelectActiveFrame(std::string_view dimension, uint32_t index) {
  return Action(GDIP_FLAT(GdipImageSelectActiveFrame), image_, AsGuid(TextToGuid(dimension)), index);
}

bool Image::GetFrameDelays(runtime::CountedArray<int32_t>& delays) const {
  PropertyItem item;
  if (!GetPropertyItem(kFrameDelayProperty, item)) return false;
  const int count = static_cast<int>(item.length / 4);
  delays = runtime::CountedArray<int32_t>(count);
  std::memcpy(delays.Data(), item.value.Data(),
              std::min<size_t>(static_cast<size_t>(count) * 4, item.value.Size()));
  return true;
}

bool Image::GetPropertyItem(uint32_t id, PropertyItem& item) const {
  UINT size = 0;
  if (!Action(GDIP_FLAT(GdipGetPropertyItemSize), image_, id, &size)) return false;
  // GDI+ places the value right after the header, inside the same block.
  std::vector<uint8_t> buffer(std::max<size_t>(size, sizeof(Gdiplus::PropertyItem)));
  auto* native = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  const bool ok = Action(GDIP_FLAT(GdipGetPropertyItem), image_, id, size, native);
  item.id = native->id;
  item.length = native->length;
  item.type = native->type;
  item.value = native->value ? runtime::ByteSet(native->value, native->length) : runtime::ByteSet();
  return ok;
}

bool Image::SetPropertyItem(PropertyItem& item) {
  Gdiplus::PropertyItem native{};
  native.id = item.id;
  native.length = item.length;
  native.type = static_cast<WORD>(item.type);
  native.value = item.value.Data();
  const bool ok = Action(GDIP_FLAT(GdipSetPropertyItem), image_, &native);
  item.id = native.id;
  item.length = native.length;
  item.type = native.type;
  return ok;
}

int Image::GetPropertyIdList(runtime::CountedArray<uint32_t>& ids) const {
  UINT count = 0;
  if (!Action(GDIP_FLAT(GdipGetPropertyCount), image_, &count)) return 0;
  ids = runtime::CountedArray<uint32_t>(static_cast<int>(count));
  Action(GDIP_FLAT(GdipGetPropertyIdList), image_, count, ids.Data());
  return static_cast<int>(count);
}

// Bitmap

bool Bitmap::GdipDisposeImage() {
  if (bitmap_ == nullptr) return false;
  const int status = flat::Invoke(GDIP_FLAT(GdipDisposeImage), bitmap_);
  bitmapStream_.Release();
  SetNative(nullptr);
  return Record(status);
}

bool Bitmap::GdipLoadImageFromFile(std::string_view fileName, bool colourManaged) {
  return GdipLoadImageFromFile(ToWideText(fileName), colourManaged);
}

bool Bitmap::GdipLoadImageFromFile(const runtime::ByteSet& wideFileName, bool colourManaged) {
  return colourManaged ? Create(GDIP_FLAT(GdipCreateBitmapFromFileICM), WideData(wideFileName))
                       : Create(GDIP_FLAT(GdipCreateBitmapFromFile), WideData(wideFileName));
}

bool Bitmap::LoadFromBytes(const runtime::ByteSet& bytes, bool colourManaged) {
  IStream* stream = bitmapStream_.CreateFromBytes(bytes);
  return colourManaged ? Create(GDIP_FLAT(GdipCreateBitmapFromStreamICM), stream)
                       : Create(GDIP_FLAT(GdipCreateBitmapFromStream), stream);
}

bool Bitmap::GdipCreateBitmapFromGraphics(int32_t width, int32_t height, const Graphics& graphics) {
  return Create(GDIP_FLAT(GdipCreateBitmapFromGraphics), width, height, graphics);
}

HBITMAP Bitmap::GdipCreateHBITMAPFromBitmap(ARGB background) const {
  HBITMAP made = nullptr;
  Record(flat::Invoke(GDIP_FLAT(GdipCreateHBITMAPFromBitmap), bitmap_, &made, background));
  return made;
}

bool Bitmap::GdipCloneBitmapArea(const RectF& area, int32_t pixelFormat, NativeWrapper& target) const {
  return Into(target, GDIP_FLAT(GdipCloneBitmapArea), area.X, area.Y, area.Width, area.Height,
              pixelFormat, bitmap_);
}

bool Bitmap::GdipCloneBitmapAreaI(const RectI& area, int32_t pixelFormat, NativeWrapper& target) const {
  return Into(target, GDIP_FLAT(GdipCloneBitmapAreaI), area.X, area.Y, area.Width, area.Height,
              pixelFormat, bitmap_);
}

bool Bitmap::ApplyEffect(Effect& effect, RECT* area) {
  if (effect.AuxData() != nullptr) {
    Free(effect.AuxData());
    effect.SetAuxData(nullptr, 0);
  }
  void* auxData = nullptr;
  INT auxDataSize = 0;
  const bool ok = Action(GDIP_FLAT(GdipBitmapApplyEffect), bitmap_, effect.EffectPointer(), area,
                         effect.UsesAuxData() ? TRUE : FALSE, &auxData, &auxDataSize);
  effect.SetAuxData(auxData, auxDataSize);
  return ok;
}

bool Bitmap::RotateInto(REAL angle, Bitmap& target, std::optional<ARGB> background,
                        std::optional<int32_t> interpolationMode, std::optional<SizeF> size) {
  // Declared first, so it is the last to go: the status of the last creation or of the draw.
  DecisiveStatus decisive;
  const auto width = static_cast<REAL>(GdipGetImageWidth());
  const auto height = static_cast<REAL>(GdipGetImageHeight());
  SizeF canvasSize;
  if (size) {
    canvasSize = *size;
  } else {
    GetRotatedSize(width, height, static_cast<int32_t>(angle), canvasSize.Width, canvasSize.Height);
  }
  const REAL w = canvasSize.Width;
  const REAL h = canvasSize.Height;

  Bitmap canvas;
  if (!decisive.Keep(canvas.CreateBitmap(static_cast<int32_t>(w), static_cast<int32_t>(h)))) return false;
  canvas.GdipBitmapSetResolution(GdipGetImageHorizontalResolution(), GdipGetImageVerticalResolution());
  Graphics graphics;
  if (!decisive.Keep(graphics.GdipGetImageGraphicsContext(canvas))) return false;
  if (background) {
    SolidBrush brush;
    if (!decisive.Keep(brush.GdipCreateSolidFill(*background))) return false;
    graphics.GdipFillRectangle(brush, 0, 0, w, h);
  }
  if (interpolationMode) graphics.GdipSetInterpolationMode(*interpolationMode);
  ScratchMatrix matrix;
  if (!decisive.Keep(matrix.GdipCreateMatrix())) return false;
  // Prepended, so a source point is first centred on the canvas, then turned about its centre.
  matrix.Translate(w / 2, h / 2);
  matrix.Rotate(angle);
  matrix.Translate(-w / 2, -h / 2);
  matrix.Translate((w - width) / 2, (h - height) / 2);
  graphics.GdipSetWorldTransform(matrix);
  const bool drawn = decisive.Keep(graphics.GdipDrawImage(*this, 0, 0));
  graphics.GdipResetWorldTransform();
  target.SetNative(canvas.GetNative());
  canvas.SetNative(nullptr);  // the canvas now belongs to the target
  return drawn;
}

void Bitmap::GetRotatedSize(REAL width, REAL height, int32_t angle, REAL& rotatedWidth,
                            REAL& rotatedHeight) {
  const auto radians = static_cast<REAL>(angle * 3.1415926535 / 180);
  const REAL sine = std::sin(radians);
  const REAL cosine = std::cos(radians);
  const REAL halfWidth = (width - 1) / 2;
  const REAL halfHeight = (height - 1) / 2;
  const PointF corners[4] = {
      {-halfWidth, halfHeight}, {halfWidth, halfHeight}, {-halfWidth, -halfHeight}, {halfWidth, -halfHeight}};
  PointF turned[4];
  for (int i = 0; i < 4; ++i) {
    turned[i].X = cosine * corners[i].X + sine * corners[i].Y;
    turned[i].Y = cosine * corners[i].Y - sine * corners[i].X;
  }
  rotatedWidth = std::max(std::fabs(turned[3].X - turned[0].X), std::fabs(turned[2].X - turned[1].X));
  rotatedHeight = std::max(std::fabs(turned[3].Y - turned[0].Y), std::fabs(turned[2].Y - turned[1].Y));
}

}  // namespace gdip
