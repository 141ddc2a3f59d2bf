// Outlines and colours: ToArgb, the corner clamping and shape of AddRoundedRectangle, the open tab
// outline, and the glow's density.
#include "skin/paint/outlines.h"

#include "tests/paint/paint_fixture.h"

namespace {

using namespace paint_test;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr uint8_t kCloseFlag = 0x80;  // GDI+ path point type: the figure is closed here

TEST(ToArgbTest, TurnsColorrefAndAlphaIntoArgb) {
  struct Case {
    COLORREF colour;
    int alpha;
    bool useAlpha;
    gdip::ARGB want;
  };
  for (const Case& c : {Case{0x0000FF, 10, true, 0x0AFF0000}, Case{0x0000FF, 10, false, 0xFFFF0000},
                        Case{0xFF00FF, 0, false, 0xFFFF00FF}, Case{0xFF00FF, 200, false, 0xFFFF00FF},
                        Case{0x123456, 0x80, true, 0x80563412}, Case{0x00FF00, 0, true, 0x0000FF00}}) {
    EXPECT_EQ(skin::ToArgb(c.colour, c.alpha, c.useAlpha), c.want)
        << std::hex << c.colour << " alpha " << c.alpha << (c.useAlpha ? " used" : " ignored");
  }
}

TEST(RoundedRectangleTest, CornerSizeIsClampedToOneThroughHundred) {
  struct Case {
    int corner;
    float used;
  };
  for (const Case& c : {Case{0, 1}, Case{-5, 1}, Case{1, 1}, Case{40, 40}, Case{100, 100},
                        Case{500, 100}}) {
    SCOPED_TRACE(testing::Message() << "corner " << c.corner);
    gdip::GraphicsPath path;
    path.GdipCreatePath();
    skin::AddRoundedRectangle(path, 10, 20, 300, 200, c.corner);
    gdip::PointsF points;
    ASSERT_TRUE(path.GetPathPoints(points));
    // The figure starts at the top of the top-right arc, half a corner box left of the right edge.
    EXPECT_NEAR(points[1].X, 310 - c.used / 2, 0.01);
    EXPECT_NEAR(points[1].Y, 20, 0.01);
    const gdip::RectF bounds = path.GdipGetPathWorldBounds(nullptr, nullptr);
    EXPECT_NEAR(bounds.X, 10, 0.01);
    EXPECT_NEAR(bounds.Y, 20, 0.01);
    EXPECT_NEAR(bounds.X + bounds.Width, 310, 0.01);
    EXPECT_NEAR(bounds.Y + bounds.Height, 220, 0.01);
    gdip::Bytes types;
    ASSERT_TRUE(path.GetPathTypes(types));
    EXPECT_TRUE(types[types.Count()] & kCloseFlag) << "the figure is closed";
  }
}

TEST(RoundedRectangleTest, FillLeavesTheCornersOut) {
  DibSurface surface(60, 40);
  gdip::Graphics graphics;
  graphics.GdipCreateFromHDC(surface.Dc());
  graphics.GdipGraphicsClear(0xFFFFFFFF);
  gdip::GraphicsPath path;
  path.GdipCreatePath();
  skin::AddRoundedRectangle(path, 0, 0, 59, 39, 20);
  gdip::SolidBrush black;
  black.GdipCreateSolidFill(0xFF000000);
  graphics.GdipFillPath(black, path);
  graphics.GdipDeleteGraphics();
  for (const POINT corner : {POINT{0, 0}, POINT{58, 0}, POINT{0, 38}, POINT{58, 38}}) {
    EXPECT_EQ(surface.Pixel(corner.x, corner.y) & 0xFFFFFF, 0xFFFFFFu) << corner.x << "," << corner.y;
  }
  for (const POINT inside : {POINT{30, 1}, POINT{1, 20}, POINT{30, 20}, POINT{57, 20}}) {
    EXPECT_EQ(surface.Pixel(inside.x, inside.y) & 0xFFFFFF, 0u) << inside.x << "," << inside.y;
  }
}

TEST(TabOutlineTest, RunsUpOverAndDownAndStaysOpen) {
  gdip::GraphicsPath path;
  path.GdipCreatePath();
  skin::AddTabOutline(path, 10, 20, 80, 30, 8);
  gdip::PointsF points;
  ASSERT_TRUE(path.GetPathPoints(points));
  EXPECT_NEAR(points[1].X, 10, 0.01);
  EXPECT_NEAR(points[1].Y, 50, 0.01);
  EXPECT_NEAR(points[points.Count()].X, 90, 0.01);
  EXPECT_NEAR(points[points.Count()].Y, 50, 0.01);
  const gdip::RectF bounds = path.GdipGetPathWorldBounds(nullptr, nullptr);
  EXPECT_NEAR(bounds.Y, 20, 0.01) << "the top edge";
  gdip::Bytes types;
  ASSERT_TRUE(path.GetPathTypes(types));
  EXPECT_FALSE(types[types.Count()] & kCloseFlag) << "the bottom stays open";
}

TEST(StrokeGlowTest, GlowIsDensestOnThePath) {
  DibSurface surface(80, 40);
  gdip::Graphics graphics;
  graphics.GdipCreateFromHDC(surface.Dc());
  graphics.GdipGraphicsClear(0xFFFFFFFF);
  gdip::GraphicsPath path;
  path.GdipCreatePath();
  path.GdipAddPathLine(10, 20, 70, 20);
  skin::StrokeGlow(graphics, path, 4, 0x0000FF, 60);
  graphics.GdipDeleteGraphics();
  // Red over white: the more strokes cover a pixel, the less green it keeps.
  const auto green = [&](int y) { return (surface.Pixel(40, y) >> 8) & 0xFF; };
  EXPECT_LT(green(20), green(18)) << "the path itself takes every stroke";
  EXPECT_LT(green(21), 255u) << "wider strokes spread beside the path";
  EXPECT_EQ(green(26), 255u) << "beyond the widest stroke";
  EXPECT_EQ(surface.Pixel(40, 20) >> 16 & 0xFF, 255u) << "red stays full";
}

}  // namespace
