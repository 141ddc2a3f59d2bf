// Fonts, font families, font collections and string formats, checked on real GDI+ objects.
#include "gdiplus/font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gdiplus/font_collection.h"
#include "gdiplus/font_family.h"
#include "gdiplus/graphics.h"
#include "gdiplus/string_format.h"
#include "runtime/scoped_gdi.h"
#include "tests/gdiplus/gdiplus_fixture.h"

using namespace gdip;

namespace {

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

// GBK text: the family 宋体 and the characters 是 and 不.
const char kSongTi[] = "\xCB\xCE\xCC\xE5";
const char kShi[] = "\xCA\xC7";
const char kBu[] = "\xB2\xBB";
constexpr int32_t kPixel = 2;  // GDI+ unit

// The family's UTF-16 name as the ANSI code page spells it.
std::string AnsiName(const runtime::ByteSet& wide) {
  char name[LF_FACESIZE * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, WideData(wide), -1, name, sizeof name, nullptr, nullptr);
  return name;
}

// Bytes in use in the process heap, where GdipAlloc takes its blocks.
size_t BusyHeapBytes() {
  const HANDLE heap = GetProcessHeap();
  size_t busy = 0;
  PROCESS_HEAP_ENTRY entry{};
  HeapLock(heap);
  while (HeapWalk(heap, &entry)) {
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
  }
  HeapUnlock(heap);
  return busy;
}

TEST(Font, CreateFontByNameFindsInstalledFamiliesOnly) {
  struct Case {
    const char* name;
    bool made;
  };
  for (const Case c : {Case{kSongTi, true}, Case{"Tahoma", true}, Case{"Quizmoor No Such Face", false}}) {
    SCOPED_TRACE(c.name);
    Font font;
    EXPECT_EQ(font.CreateFontByName(c.name, 12, 0, kPixel), c.made);
    if (!c.made) {
      EXPECT_EQ(font.GetNative(), nullptr);
      EXPECT_NE(LastGdipStatus, kOk);
      continue;
    }
    EXPECT_FLOAT_EQ(font.GdipGetFontSize(), 12);
    EXPECT_EQ(font.GdipGetFontUnit(), kPixel);
    EXPECT_EQ(LastGdipStatus, kOk);
  }
}

TEST(FontFamily, FamilyNamesReadBackThroughTheAnsiCodePage) {
  Font font;
  ASSERT_TRUE(font.CreateFontByName(kSongTi, 12, 0, kPixel));
  FontFamily family;
  ASSERT_TRUE(font.GdipGetFamily(family));

  const runtime::ByteSet wide = family.GetFamilyNameWide();
  ASSERT_EQ(wide.Size(), 64u);
  const std::string name = family.GetFamilyName();
  EXPECT_EQ(LastGdipStatus, kOk);
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(name, AnsiName(wide));
  // Wine may answer with the face that stands in for the one asked for; a family that keeps the
  // name reads back the GBK bytes unchanged.
  if (WideLength(wide) == 2 && WideData(wide)[0] == 0x5B8B) {
    EXPECT_EQ(name, kSongTi);
  }

  // The name read back finds the same family again.
  FontFamily again;
  ASSERT_TRUE(again.GdipCreateFontFamilyFromName(name, FontCollection{}));
  EXPECT_EQ(again.GetFamilyNameWide(), wide);
  EXPECT_TRUE(family.GdipDeleteFontFamily());
  EXPECT_FALSE(family.GdipDeleteFontFamily());
}

TEST(FontFamily, GetFamilyNameOfAnEmptyFamilyIsEmpty) {
  const FontFamily family;
  EXPECT_EQ(family.GetFamilyName(), "");
  EXPECT_EQ(LastGdipStatus, kInvalidParameter);
}

TEST(FontFamily, GenericFamiliesHaveNamesAndMetrics) {
  using Maker = bool (FontFamily::*)();
  struct Case {
    const char* what;
    Maker make;
    bool required;  // the prefix need not hold a serif or a monospaced face
  };
  for (const Case c : {Case{"sans serif", &FontFamily::GdipGetGenericFontFamilySansSerif, true},
                       Case{"serif", &FontFamily::GdipGetGenericFontFamilySerif, false},
                       Case{"monospace", &FontFamily::GdipGetGenericFontFamilyMonospace, false}}) {
    SCOPED_TRACE(c.what);
    FontFamily family;
    if (!(family.*c.make)()) {
      EXPECT_FALSE(c.required) << "status " << LastGdipStatus;
      EXPECT_EQ(family.GetNative(), nullptr);
      continue;
    }
    EXPECT_FALSE(family.GetFamilyName().empty());
    EXPECT_TRUE(family.GdipIsStyleAvailable(0));
    const uint16_t em = family.GdipGetEmHeight(0);
    EXPECT_GT(em, 0);
    EXPECT_GT(family.GdipGetCellAscent(0), 0);
    EXPECT_GT(family.GdipGetCellDescent(0), 0);
    EXPECT_GE(family.GdipGetLineSpacing(0), em);

    // A clone is a family of its own: it outlives the original.
    FontFamily copy;
    ASSERT_TRUE(family.GdipCloneFontFamily(copy));
    const runtime::ByteSet name = family.GetFamilyNameWide();
    EXPECT_TRUE(family.GdipDeleteFontFamily());
    EXPECT_EQ(copy.GetFamilyNameWide(), name);
  }
}

TEST(FontCollection, GetFamiliesRefusesACountBelowOne) {
  FontCollection collection;
  runtime::CountedArray<FontFamily> families(1);
  ASSERT_TRUE(families[1].GdipGetGenericFontFamilySansSerif());
  void* const kept = families[1].GetNative();
  for (const int32_t sought : {0, -3}) {
    LastGdipStatus = kOk;
    EXPECT_EQ(collection.GetFamilies(sought, families), 0);
    EXPECT_EQ(LastGdipStatus, kInvalidParameter);
    ASSERT_EQ(families.Count(), 1);
    EXPECT_EQ(families[1].GetNative(), kept);
  }
}

TEST(FontCollection, GetFamiliesGivesEachElementAFamilyOfItsOwn) {
  Gdiplus::GpFontCollection* installed = nullptr;
  ASSERT_EQ(GDIP_FLAT(GdipNewInstalledFontCollection)(&installed), Gdiplus::Ok);
  FontCollection collection;
  collection.SetNative(installed);
  const int32_t count = collection.GdipGetFontCollectionFamilyCount();
  ASSERT_GT(count, 0);

  runtime::CountedArray<FontFamily> first;
  EXPECT_EQ(collection.GetFamilies(count + 2, first), count);
  ASSERT_EQ(first.Count(), count + 2);
  EXPECT_EQ(first[count + 1].GetNative(), nullptr);
  EXPECT_EQ(first[count + 2].GetNative(), nullptr);

  runtime::CountedArray<FontFamily> second;
  ASSERT_EQ(collection.GetFamilies(count, second), count);
  const runtime::ByteSet name = second[1].GetFamilyNameWide();
  // Deleting one array's families leaves the collection's and the other array's intact.
  first.Clear();
  EXPECT_EQ(second[1].GetFamilyNameWide(), name);
  EXPECT_FALSE(second[count].GetFamilyName().empty());
  runtime::CountedArray<FontFamily> third;
  ASSERT_EQ(collection.GetFamilies(1, third), 1);
  EXPECT_EQ(third[1].GetFamilyNameWide(), name);
}

// A DIB with a 20-pixel Tahoma selected and a 30-pixel Tahoma at hand.
class FontsOfADc : public ::testing::Test {
 protected:
  static HFONT Tahoma(int pixels) {
    return CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  }
  static LOGFONTA LogFont(HFONT font) {
    LOGFONTA logFont{};
    GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
  }

  DibSurface surface{8, 8};
  runtime::OwnedFont selected{Tahoma(20)};
  runtime::OwnedFont other{Tahoma(30)};
  runtime::ScopedSelect selection{surface.Dc(), selected.Get()};
};

TEST_F(FontsOfADc, CreateFontFromHandleFallsBackToTheFontOfTheDc) {
  struct Case {
    const char* what;
    HFONT font;
    REAL size;
  };
  const HFONT notAFont = reinterpret_cast<HFONT>(static_cast<INT_PTR>(0x7FFF0123));
  for (const Case c : {Case{"no handle", nullptr, 20}, Case{"a handle", other.Get(), 30},
                       Case{"a dead handle", notAFont, 20}}) {
    SCOPED_TRACE(c.what);
    Font font;
    ASSERT_TRUE(font.CreateFontFromHandle(surface.Dc(), c.font));
    EXPECT_NEAR(font.GdipGetFontSize(), c.size, 1);
  }
}

TEST_F(FontsOfADc, LogicalFontsWithoutARecordTakeTheFontOfTheDc) {
  const LOGFONTA logFontA = LogFont(other.Get());
  LOGFONTW logFontW{};
  GetObjectW(other.Get(), sizeof logFontW, &logFontW);
  struct Case {
    const char* what;
    bool wide;
    bool record;
    REAL size;
  };
  for (const Case c : {Case{"A, none", false, false, 20}, Case{"A, record", false, true, 30},
                       Case{"W, none", true, false, 20}, Case{"W, record", true, true, 30}}) {
    SCOPED_TRACE(c.what);
    Font font;
    ASSERT_TRUE(c.wide ? font.GdipCreateFontFromLogfontW(surface.Dc(), c.record ? &logFontW : nullptr)
                       : font.GdipCreateFontFromLogfontA(surface.Dc(), c.record ? &logFontA : nullptr));
    EXPECT_NEAR(font.GdipGetFontSize(), c.size, 1);
  }
}

TEST_F(FontsOfADc, LogicalFontAndHeightReadBackThroughAGraphics) {
  Font font;
  ASSERT_TRUE(font.CreateFontFromHandle(surface.Dc(), other.Get()));
  Graphics graphics;
  ASSERT_TRUE(graphics.GdipCreateFromHDC(surface.Dc()));
  LOGFONTA logFont{};
  ASSERT_TRUE(font.GdipGetLogFontA(graphics, logFont));
  EXPECT_NEAR(std::abs(logFont.lfHeight), 30, 1);
  LOGFONTW logFontW{};
  ASSERT_TRUE(font.GdipGetLogFontW(graphics, logFontW));
  EXPECT_EQ(logFontW.lfHeight, logFont.lfHeight);
  EXPECT_GE(font.GdipGetFontHeight(graphics), 30);
  EXPECT_GE(font.GdipGetFontHeightGivenDPI(96), 30);

  Font copy;
  ASSERT_TRUE(font.GdipCloneFont(copy));
  EXPECT_TRUE(font.GdipDeleteFont());
  EXPECT_NEAR(copy.GdipGetFontSize(), 30, 1);
}

TEST(Font, CreateDefaultFontIsTheStockGuiFont) {
  LOGFONTA stock{};
  ASSERT_NE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock), 0);
  Font font;
  ASSERT_TRUE(font.CreateDefaultFont());
  EXPECT_NEAR(font.GdipGetFontSize(), std::abs(stock.lfHeight), 1);
}

TEST(Font, CompositeCreationsReleaseTheirBuffersAndContexts) {
  DibSurface surface(8, 8);
  const HFONT notAFont = reinterpret_cast<HFONT>(static_cast<INT_PTR>(0x7FFF0123));
  const auto makeAll = [&] {
    Font stock, named, fromDc, fallback;
    ASSERT_TRUE(stock.CreateDefaultFont());
    ASSERT_TRUE(named.CreateFontByName("Tahoma", 12, 0, kPixel));
    ASSERT_TRUE(fromDc.CreateFontFromHandle(surface.Dc(), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    ASSERT_TRUE(fallback.CreateFontFromHandle(surface.Dc(), notAFont));
  };
  makeAll();  // first use: libraries and caches
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const size_t heapBefore = BusyHeapBytes();
  constexpr int kRounds = 400;
  for (int i = 0; i < kRounds; ++i) makeAll();
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
  // A lost 60-byte logical-font buffer per creation would add about 40 kB.
  EXPECT_LT(BusyHeapBytes(), heapBefore + kRounds * sizeof(LOGFONTA) / 4);
}

class TextOnDib : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(graphics.GdipCreateFromHDC(surface.Dc()));
    ASSERT_TRUE(graphics.GdipGraphicsClear(kPaper));
    ASSERT_TRUE(font.CreateFontByName(kSongTi, 12, 0, kPixel));
    ASSERT_TRUE(format.GdipCreateStringFormat());
    ASSERT_TRUE(ink.GdipCreateSolidFill(0xFF000000));
  }

  static constexpr ARGB kPaper = 0xFFFFFFFF;
  DibSurface surface{120, 40};
  Graphics graphics;
  Font font;
  StringFormat format;
  SolidBrush ink;
};

TEST_F(TextOnDib, SongTiTextInksItsLayoutRectangleOnly) {
  const RectF layout{10, 10, 60, 20};
  const std::string text = std::string(kShi) + kBu + kShi;
  ASSERT_TRUE(graphics.GdipDrawString(text, font, ink, layout, format));
  graphics.GdipFlush();
  int inked = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool inside = x >= 10 && x < 70 && y >= 10 && y < 30;
      if (surface.Pixel(x, y) == kPaper) continue;
      EXPECT_TRUE(inside) << "ink at " << x << "," << y;
      inked += inside ? 1 : 0;
    }
  }
  EXPECT_GT(inked, 20);
}

TEST_F(TextOnDib, LongerTextMeasuresWider) {
  const RectF layout{0, 0, 1000, 100};
  RectF shortBox, longBox;
  ASSERT_TRUE(graphics.GdipMeasureString(kShi, font, layout, format, shortBox));
  ASSERT_TRUE(graphics.GdipMeasureString(std::string(kShi) + kBu + kShi + kBu, font, layout,
                                         format, longBox));
  EXPECT_GT(shortBox.Width, 6);
  EXPECT_GT(longBox.Width, shortBox.Width + 3 * 6);
  EXPECT_NEAR(longBox.Height, shortBox.Height, 1);
}

TEST(StringFormat, SettingsReadBack) {
  StringFormat format;
  ASSERT_TRUE(format.GdipCreateStringFormat());
  using Set = bool (StringFormat::*)(int32_t);
  using Get = int32_t (StringFormat::*)();
  struct Case {
    const char* what;
    Set set;
    Get get;
    int32_t value;
  };
  const Case cases[] = {
      {"align far", &StringFormat::GdipSetStringFormatAlign, &StringFormat::GdipGetStringFormatAlign, 2},
      {"align centre", &StringFormat::GdipSetStringFormatAlign, &StringFormat::GdipGetStringFormatAlign, 1},
      {"line align centre", &StringFormat::GdipSetStringFormatLineAlign,
       &StringFormat::GdipGetStringFormatLineAlign, 1},
      {"ellipsis at the character", &StringFormat::GdipSetStringFormatTrimming,
       &StringFormat::GdipGetStringFormatTrimming, 3},
      {"hotkey prefix shown", &StringFormat::GdipSetStringFormatHotkeyPrefix,
       &StringFormat::GdipGetStringFormatHotkeyPrefix, 1},
      {"no wrap", &StringFormat::GdipSetStringFormatFlags, &StringFormat::GdipGetStringFormatFlags, 0x1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE((format.*c.set)(c.value));
    EXPECT_EQ((format.*c.get)(), c.value);
  }

  StringFormat copy;
  ASSERT_TRUE(format.GdipCloneStringFormat(copy));
  EXPECT_TRUE(format.GdipDeleteStringFormat());
  EXPECT_EQ(copy.GdipGetStringFormatTrimming(), 3);
  EXPECT_EQ(copy.GdipGetStringFormatFlags(), 0x1000);

  // Getters on an empty wrapper return 0 and leave GDI+'s status.
  EXPECT_EQ(format.GdipGetStringFormatAlign(), 0);
  EXPECT_EQ(LastGdipStatus, kInvalidParameter);
}

TEST(StringFormat, GenericFormatsAreMade) {
  StringFormat generic, typographic;
  EXPECT_TRUE(generic.GdipStringFormatGetGenericDefault());
  EXPECT_TRUE(typographic.GdipStringFormatGetGenericTypographic());
  EXPECT_NE(generic.GdipGetStringFormatFlags(), typographic.GdipGetStringFormatFlags());
}

TEST(StringFormat, TabStopsReadBackIntoTheCallersArray) {
  StringFormat format;
  ASSERT_TRUE(format.GdipCreateStringFormat());
  REAL first = -1;
  runtime::CountedArray<REAL> stops{7};
  EXPECT_EQ(format.GetTabStops(first, stops), 0);
  EXPECT_TRUE(stops.Empty());

  ASSERT_TRUE(format.GdipSetStringFormatTabStops(5, runtime::CountedArray<REAL>{10, 20, 40}));
  ASSERT_EQ(format.GetTabStops(first, stops), 3);
  EXPECT_FLOAT_EQ(first, 5);
  EXPECT_EQ(stops, (runtime::CountedArray<REAL>{10, 20, 40}));

  // Without a format nothing is read and the outputs stay.
  StringFormat empty;
  EXPECT_EQ(empty.GetTabStops(first, stops), 0);
  EXPECT_EQ(stops.Count(), 3);
}

TEST(StringFormat, DigitSubstitutionReadsBackWholeValues) {
  StringFormat format;
  ASSERT_TRUE(format.GdipCreateStringFormat());
  constexpr LANGID kChinese = 0x0804;
  ASSERT_TRUE(format.GdipSetStringFormatDigitSubstitution(2, kChinese));
  int32_t method = -1, language = -1;  // stale high halves must not survive
  ASSERT_TRUE(format.GetDigitSubstitution(method, language));
  EXPECT_EQ(method, 2);
  EXPECT_EQ(language, kChinese);
}

TEST_F(TextOnDib, MeasurableRangesDecideWhatIsMeasured) {
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(
      runtime::CountedArray<CharacterRange>{{0, 1}, {1, 2}}));
  ASSERT_EQ(format.GdipGetStringFormatMeasurableCharacterRangeCount(), 2);
  runtime::CountedArray<Region> regions;
  ASSERT_TRUE(graphics.GdipMeasureCharacterRanges(std::string(kShi) + kBu + kShi, font,
                                                  RectF{0, 0, 120, 40}, format, 2, regions));
  ASSERT_EQ(regions.Count(), 2);
}

}  // namespace
