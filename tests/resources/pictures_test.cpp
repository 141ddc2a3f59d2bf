// The compiled-in pictures: byte-set layout, decoded by GDI+ from memory (Bitmap::LoadFromBytes),
// sizes and pixels.
#include "resources/pictures.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string_view>

#include "gdiplus/image.h"
#include "runtime/byte_set.h"
#include "tests/gdiplus/gdiplus_fixture.h"

namespace {

using runtime::ByteSet;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr std::string_view kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
constexpr std::string_view kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";

// A picture constant decoded by GDI+ from memory; pixels are 0xAARRGGBB.
class DecodedPicture : public gdip::Bitmap {
 public:
  explicit DecodedPicture(const unsigned char* constant) {
    loaded_ = LoadFromBytes(ByteSet::FromLayout(constant));
  }
  [[nodiscard]] bool Loaded() const { return loaded_; }
  int Width() const { return static_cast<int>(GdipGetImageWidth()); }
  int Height() const { return static_cast<int>(GdipGetImageHeight()); }
  uint32_t Pixel(int x, int y) const { return GdipBitmapGetPixel(x, y); }

 private:
  bool loaded_ = false;
};

constexpr uint32_t Argb(int a, uint32_t rgb) { return static_cast<uint32_t>(a) << 24 | rgb; }
int Alpha(uint32_t argb) { return static_cast<int>(argb >> 24); }

enum class Kind { Png, Jpeg };
struct Picture {
  const char* name;
  const unsigned char* constant;
  int width, height;
  Kind kind;
};
const Picture kPictures[] = {
    {"HelpButtonImage", resources::HelpButtonImage, 26, 18, Kind::Png},
    {"MenuButtonImage", resources::MenuButtonImage, 26, 18, Kind::Png},
    {"MinimizeButtonImage", resources::MinimizeButtonImage, 26, 18, Kind::Png},
    {"MaximizeButtonImage", resources::MaximizeButtonImage, 26, 18, Kind::Png},
    {"RestoreButtonImage", resources::RestoreButtonImage, 26, 18, Kind::Png},
    {"CloseButtonImage", resources::CloseButtonImage, 38, 18, Kind::Png},
    {"CheckBoxImage", resources::CheckBoxImage, 13, 13, Kind::Png},
    {"CheckBoxCheckedImage", resources::CheckBoxCheckedImage, 13, 13, Kind::Png},
    {"ComboArrowImage", resources::ComboArrowImage, 7, 4, Kind::Png},
    {"UpArrowImage", resources::UpArrowImage, 7, 4, Kind::Png},
    {"LeftArrowImage", resources::LeftArrowImage, 4, 7, Kind::Png},
    {"RightArrowImage", resources::RightArrowImage, 4, 7, Kind::Png},
    {"QuizBackgroundImage", resources::QuizBackgroundImage, 1600, 900, Kind::Jpeg},
};

TEST(Pictures, EachIsAnAlignedByteSetHoldingOneWholeImageFile) {
  for (const Picture& picture : kPictures) {
    SCOPED_TRACE(picture.name);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(picture.constant) % 4, 0u);
    uint32_t header[2];
    std::memcpy(header, picture.constant, sizeof header);
    EXPECT_EQ(header[0], 1u);
    // The byte count ends the set exactly at the file's closing marker.
    const std::string_view file(reinterpret_cast<const char*>(picture.constant + 8), header[1]);
    if (picture.kind == Kind::Png) {
      EXPECT_TRUE(file.starts_with("\x89PNG\r\n\x1a\n"));
      EXPECT_TRUE(file.ends_with(std::string_view("IEND\xae\x42\x60\x82", 8)));
    } else {
      EXPECT_TRUE(file.starts_with("\xff\xd8"));
      EXPECT_TRUE(file.ends_with("\xff\xd9"));
    }
  }
}

TEST(Pictures, EachDecodesFromMemoryAtItsSize) {
  for (const Picture& picture : kPictures) {
    SCOPED_TRACE(picture.name);
    const DecodedPicture decoded(picture.constant);
    ASSERT_TRUE(decoded.Loaded());
    EXPECT_EQ(decoded.Width(), picture.width);
    EXPECT_EQ(decoded.Height(), picture.height);
    if (picture.kind == Kind::Png) {
      EXPECT_EQ(decoded.GdipGetImageRawFormat(), kPngFormat);
      EXPECT_EQ(decoded.GdipGetImagePixelFormat(), gdip::kPixelFormat32bppArgb);  // 8-bit RGBA
    } else {
      EXPECT_EQ(decoded.GdipGetImageRawFormat(), kJpegFormat);
    }
  }
}

// Interior colour of the check boxes by x + y, for x + y = 2 .. 22.
constexpr uint32_t kCheckFill[] = {
    0xDEDFD6, 0xE0E0D8, 0xE2E2DA, 0xE4E4DC, 0xE7E6DF, 0xE9E8E1, 0xEBE9E3, 0xEDEBE5, 0xF0EDE8,
    0xF2EFEA, 0xF4F1EC, 0xF7F3EF, 0xF7F4F0, 0xF8F5F1, 0xF9F6F3, 0xF9F7F4, 0xFAF8F6, 0xFBF9F7,
    0xFCFAF9, 0xFCFBFA, 0xFDFCFC};

bool OnTick(int x, int y) {
  static const POINT kTick[] = {{9, 3}, {8, 4}, {9, 4}, {3, 5}, {7, 5}, {8, 5}, {9, 5},
                                {3, 6}, {4, 6}, {6, 6}, {7, 6}, {8, 6}, {3, 7}, {4, 7},
                                {5, 7}, {6, 7}, {7, 7}, {4, 8}, {5, 8}, {6, 8}, {5, 9}};
  for (const POINT& p : kTick) {
    if (p.x == x && p.y == y) return true;
  }
  return false;
}

TEST(Pictures, CheckBoxesHaveTheirFrameFillAndTickPixelForPixel) {
  struct Face {
    const char* name;
    const unsigned char* constant;
    uint32_t frame;
    bool ticked;
  };
  const Face faces[] = {
      {"clear", resources::CheckBoxImage, Argb(230, 0x030303), false},
      {"checked", resources::CheckBoxCheckedImage, Argb(255, 0x185184), true},
  };
  for (const Face& face : faces) {
    SCOPED_TRACE(face.name);
    const DecodedPicture decoded(face.constant);
    ASSERT_TRUE(decoded.Loaded());
    int ticks = 0;
    for (int y = 0; y < 13; ++y) {
      for (int x = 0; x < 13; ++x) {
        uint32_t expected;
        if (x == 0 || y == 0 || x == 12 || y == 12) {
          expected = face.frame;
        } else if (face.ticked && OnTick(x, y)) {
          expected = Argb(255, 0x246E75);
          ++ticks;
        } else {
          expected = Argb(255, kCheckFill[x + y - 2]);
        }
        EXPECT_EQ(decoded.Pixel(x, y), expected) << "at (" << x << ", " << y << ")";
      }
    }
    EXPECT_EQ(ticks, face.ticked ? 21 : 0);
  }
}

TEST(Pictures, ArrowsAreSolidBlackTrianglesOnClear) {
  struct Arrow {
    const char* name;
    const unsigned char* constant;
    int width, height;
    std::function<bool(int x, int y)> inside;
  };
  const Arrow arrows[] = {
      {"down", resources::ComboArrowImage, 7, 4, [](int x, int y) { return x >= y && x <= 6 - y; }},
      {"up", resources::UpArrowImage, 7, 4, [](int x, int y) { return x >= 3 - y && x <= 3 + y; }},
      {"left", resources::LeftArrowImage, 4, 7, [](int x, int y) { return y >= 3 - x && y <= 3 + x; }},
      {"right", resources::RightArrowImage, 4, 7, [](int x, int y) { return y >= x && y <= 6 - x; }},
  };
  for (const Arrow& arrow : arrows) {
    SCOPED_TRACE(arrow.name);
    const DecodedPicture decoded(arrow.constant);
    ASSERT_TRUE(decoded.Loaded());
    int solid = 0;
    for (int y = 0; y < arrow.height; ++y) {
      for (int x = 0; x < arrow.width; ++x) {
        const uint32_t pixel = decoded.Pixel(x, y);
        if (arrow.inside(x, y)) {
          ++solid;
          EXPECT_EQ(Alpha(pixel), 255) << "at (" << x << ", " << y << ")";
          EXPECT_LE(pixel & 0xFF, 3u);
          EXPECT_LE(pixel >> 8 & 0xFF, 3u);
          EXPECT_LE(pixel >> 16 & 0xFF, 3u);
        } else {
          EXPECT_EQ(Alpha(pixel), 0) << "at (" << x << ", " << y << ")";
        }
      }
    }
    EXPECT_EQ(solid, 16);
  }
}

TEST(Pictures, TitleButtonGlyphsAreTranslucentWhiteOnClear) {
  for (const Picture& button : std::span(kPictures).first(6)) {
    SCOPED_TRACE(button.name);
    const DecodedPicture decoded(button.constant);
    ASSERT_TRUE(decoded.Loaded());
    int maxAlpha = 0, whiteGlyph = 0;
    for (int y = 0; y < decoded.Height(); ++y) {
      for (int x = 0; x < decoded.Width(); ++x) {
        const uint32_t pixel = decoded.Pixel(x, y);
        maxAlpha = std::max(maxAlpha, Alpha(pixel));
        if (Alpha(pixel) >= 60 && (pixel & 0xFFFFFF) == 0xFFFFFF) ++whiteGlyph;
      }
    }
    // The background shows through everywhere; the glyph has a white body of a few pixels at least.
    EXPECT_LE(maxAlpha, 100);
    EXPECT_GE(whiteGlyph, 6);
    // Clear below and right of the glyph (inside the side lines of the close button).
    EXPECT_EQ(Alpha(decoded.Pixel(decoded.Width() - 2, decoded.Height() - 1)), 0);
  }
}

int Luminance(uint32_t argb) {
  return static_cast<int>((argb >> 16 & 0xFF) * 30 + (argb >> 8 & 0xFF) * 59 + (argb & 0xFF) * 11) / 100;
}

TEST(Pictures, BackgroundIsDarkWhereCaptionAndStatusTextAreDrawn) {
  const DecodedPicture decoded(resources::QuizBackgroundImage);
  ASSERT_TRUE(decoded.Loaded());
  struct Band {
    int top, bottom, brightest = 0;
    long long sum = 0, count = 0;
  };
  Band caption{0, 110}, middle{300, 600}, status{850, 900};
  for (Band* band : {&caption, &middle, &status}) {
    for (int y = band->top; y < band->bottom; y += 5) {
      for (int x = 0; x < 1600; x += 10) {
        const int luminance = Luminance(decoded.Pixel(x, y));
        band->brightest = std::max(band->brightest, luminance);
        band->sum += luminance;
        ++band->count;
      }
    }
  }
  // Silver (192) text with a black halo needs a dark ground; the picture itself is not just black.
  EXPECT_LE(caption.brightest, 64);
  EXPECT_LE(status.brightest, 64);
  EXPECT_GE(middle.sum / middle.count, caption.sum / caption.count + 20);
}

}  // namespace
