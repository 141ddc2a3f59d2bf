// The wrapper base, GDI+ start-up and the Graphics class, checked on real GDI+ surfaces.
#include "gdiplus/graphics.h"

#include <gtest/gtest.h>

#include "tests/gdiplus/gdiplus_fixture.h"

using namespace gdip;

namespace {


const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

TEST(GdiplusStartup, EachTokenIsShutDownOnce) {
  const ULONG_PTR first = StartGdiplus();
  const ULONG_PTR second = StartGdiplus(1);
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  EXPECT_EQ(StartupToken, second);

  // A given token leaves StartupToken alone; asking twice for the same token is harmless.
  StopGdiplus(first);
  StopGdiplus(first);
  EXPECT_EQ(StartupToken, second);

  // Without a token: the kept one is shut down and forgotten; a second such call does nothing.
  StopGdiplus();
  EXPECT_EQ(StartupToken, 0u);
  StopGdiplus();
  StopGdiplus(second);

  // The environment's own start-up is still in force: drawing works.
  DibSurface surface(4, 4);
  Graphics graphics;
  EXPECT_TRUE(graphics.GdipCreateFromHDC(surface.Dc()));
}

TEST(NativeWrapper, EmptyWrappersMakeNoCallAndReportThroughTheStatus) {
  Graphics graphics;
  LastGdipStatus = 12345;
  EXPECT_FALSE(graphics.GdipDeleteGraphics());
  EXPECT_EQ(LastGdipStatus, 12345) << "a delete on an empty wrapper must not touch the status";

  EXPECT_EQ(graphics.GdipGetDpiX(), 0.0f);
  EXPECT_EQ(LastGdipStatus, kInvalidParameter);
  EXPECT_FALSE(graphics.GdipGraphicsClear(0xFF000000));
  EXPECT_EQ(LastGdipStatus, kInvalidParameter);
}

TEST(NativeWrapper, SecondDeleteReturnsFalseAndKeepsTheFirstStatus) {
  DibSurface surface(4, 4);
  Graphics graphics;
  ASSERT_TRUE(graphics.GdipCreateFromHDC(surface.Dc()));
  EXPECT_TRUE(graphics.GdipDeleteGraphics());
  EXPECT_EQ(graphics.GetNative(), nullptr);
  LastGdipStatus = kOk;
  EXPECT_FALSE(graphics.GdipDeleteGraphics());
  EXPECT_EQ(LastGdipStatus, kOk);
}

TEST(ToWideText, ConvertsFromTheAnsiCodePageWithATerminator) {
  const runtime::ByteSet empty = ToWideText("");
  ASSERT_EQ(empty.Size(), 2u);
  EXPECT_EQ(WideLength(empty), 0);

  // "是" (GBK CA C7) and an ASCII letter.
  const runtime::ByteSet wide = ToWideText("\xCA\xC7" "a");
  ASSERT_EQ(wide.Size(), 6u);
  const WCHAR* units = WideData(wide);
  EXPECT_EQ(units[0], 0x662F);
  EXPECT_EQ(units[1], L'a');
  EXPECT_EQ(units[2], 0);
  EXPECT_EQ(WideLength(wide), 2);
}

class GraphicsOnDib : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(graphics.GdipCreateFromHDC(surface.Dc())); }

  DibSurface surface{40, 30};
  Graphics graphics;
};

TEST_F(GraphicsOnDib, FillsAndOutlinesReachThePixels) {
  SolidBrush red;
  ASSERT_TRUE(red.GdipCreateSolidFill(0xFFFF0000));
  Pen blue;
  ASSERT_TRUE(blue.GdipCreatePen1(0xFF0000FF, 1));

  EXPECT_TRUE(graphics.GdipGraphicsClear(0xFF000000));
  EXPECT_TRUE(graphics.GdipFillRectangle(red, RectF{10, 10, 10, 10}));
  EXPECT_TRUE(graphics.GdipDrawLineI(blue, 0, 25, 39, 25));
  graphics.GdipFlush();

  EXPECT_EQ(surface.Pixel(15, 15) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(surface.Pixel(5, 5) & 0xFFFFFF, 0u);
  EXPECT_EQ(surface.Pixel(20, 25) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(GraphicsOnDib, EmptyArraysPassANullBlockAndGdiplusRejectsThem) {
  Pen pen;
  ASSERT_TRUE(pen.GdipCreatePen1(0xFFFFFFFF, 1));
  PointsF none;
  EXPECT_FALSE(graphics.GdipDrawPolygon(pen, none));
  EXPECT_EQ(LastGdipStatus, kInvalidParameter);
}

TEST_F(GraphicsOnDib, TransformPointsUpdatesTheCallersArray) {
  ASSERT_TRUE(graphics.GdipTranslateWorldTransform(5, 7));
  PointsF points{{1, 2}, {3, 4}};
  // World (0) to device (2) space.
  ASSERT_TRUE(graphics.GdipTransformPoints(2, 0, points));
  EXPECT_FLOAT_EQ(points[1].X, 6);
  EXPECT_FLOAT_EQ(points[1].Y, 9);
  EXPECT_FLOAT_EQ(points[2].X, 8);
  EXPECT_FLOAT_EQ(points[2].Y, 11);
}

TEST_F(GraphicsOnDib, ScaleAndRotateAboutACentreAgreeForBothOrders) {
  struct Case {
    bool rotate;
    int32_t order;
  };
  for (const Case c : {Case{false, 0}, Case{false, 1}, Case{true, 0}, Case{true, 1}}) {
    SCOPED_TRACE(testing::Message() << "rotate " << c.rotate << " order " << c.order);
    ASSERT_TRUE(graphics.GdipResetWorldTransform());
    const PointF centre{10, 10};
    ASSERT_TRUE(c.rotate ? graphics.RotateAt(90, centre, c.order)
                         : graphics.ScaleAt(2, 3, centre, c.order));
    PointsF points{{10, 10}, {11, 11}};
    ASSERT_TRUE(graphics.GdipTransformPoints(2, 0, points));
    // The centre stays put.
    EXPECT_NEAR(points[1].X, 10, 1e-4);
    EXPECT_NEAR(points[1].Y, 10, 1e-4);
    if (c.rotate) {  // (1, 1) from the centre turns to (-1, 1)
      EXPECT_NEAR(points[2].X, 9, 1e-4);
      EXPECT_NEAR(points[2].Y, 11, 1e-4);
    } else {
      EXPECT_NEAR(points[2].X, 12, 1e-4);
      EXPECT_NEAR(points[2].Y, 13, 1e-4);
    }
  }
}

TEST_F(GraphicsOnDib, MeasureCharacterRangesWithNoRangesKeepsTheCallersRegions) {
  runtime::CountedArray<Region> regions(1);
  ASSERT_TRUE(regions[1].GdipCreateRegion());
  void* const kept = regions[1].GetNative();
  Font font;
  StringFormat format;
  for (const int32_t count : {0, -1}) {
    LastGdipStatus = kOk;
    EXPECT_FALSE(graphics.GdipMeasureCharacterRanges("abc", font, RectF{0, 0, 40, 30}, format,
                                                     count, regions));
    EXPECT_EQ(LastGdipStatus, kInvalidParameter);
    ASSERT_EQ(regions.Count(), 1);
    EXPECT_EQ(regions[1].GetNative(), kept);
  }
}

TEST_F(GraphicsOnDib, FailedMeasureCharacterRangesKeepsItsStatus) {
  // No font: GDI+ refuses the measurement after the regions were made; deleting them again must
  // not hide why it failed.
  runtime::CountedArray<Region> regions;
  Font noFont;
  StringFormat noFormat;
  EXPECT_FALSE(graphics.GdipMeasureCharacterRanges("abc", noFont, RectF{0, 0, 40, 30}, noFormat,
                                                   3, regions));
  EXPECT_EQ(LastGdipStatus, kInvalidParameter) << "the failing call's status must survive clean-up";
  EXPECT_EQ(regions.Count(), 0);
}

}  // namespace
