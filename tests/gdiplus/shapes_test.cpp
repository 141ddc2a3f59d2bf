// Paths, regions, brushes and pens, checked on real GDI+ objects and read back from a DIB.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "tests/gdiplus/gdiplus_fixture.h"

using namespace gdip;

namespace {

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kRed = 0xFFFF0000;
constexpr ARGB kLime = 0xFF00FF00;
constexpr ARGB kBlue = 0xFF0000FF;

// The red, green and blue of `pixel` each within `tolerance` of `colour`'s.
::testing::AssertionResult Near(uint32_t pixel, ARGB colour, int tolerance) {
  for (int shift : {16, 8, 0}) {
    const int got = static_cast<int>((pixel >> shift) & 0xFF);
    const int want = static_cast<int>((colour >> shift) & 0xFF);
    if (got < want - tolerance || got > want + tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "pixel %06X, expected about %06X", pixel & 0xFFFFFF,
                    colour & 0xFFFFFF);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

// A GDI+ matrix for the transform getters (the layer has no matrix class).
class Matrix : public NativeWrapper {
 public:
  Matrix() { Create(GDIP_FLAT(GdipCreateMatrix)); }
  ~Matrix() override { Delete(matrix_, GDIP_FLAT(GdipDeleteMatrix)); }
  std::array<REAL, 6> Elements() const {
    std::array<REAL, 6> elements{};
    flat::Invoke(GDIP_FLAT(GdipGetMatrixElements), matrix_, elements.data());
    return elements;
  }

 protected:
  void StoreNative(void* pointer) override { matrix_ = static_cast<Gdiplus::GpMatrix*>(pointer); }

 private:
  Gdiplus::GpMatrix* matrix_ = nullptr;
};

class ShapesOnDib : public ::testing::Test {
 protected:
  static constexpr int kWidth = 100;
  static constexpr int kHeight = 80;
  void SetUp() override {
    ASSERT_TRUE(graphics.GdipCreateFromHDC(surface.Dc()));
    ASSERT_TRUE(graphics.GdipGraphicsClear(kWhite));
  }

  DibSurface surface{kWidth, kHeight};
  Graphics graphics;
};

// ---- paths

TEST_F(ShapesOnDib, RoundedRectangleFillsItsInsideAndLeavesItsCorners) {
  GraphicsPath path;
  ASSERT_TRUE(path.GdipCreatePath());
  ASSERT_TRUE(path.AddRoundRect(10, 10, 80, 60, 50));  // corner arcs of 40 x 30
  SolidBrush red;
  ASSERT_TRUE(red.GdipCreateSolidFill(kRed));
  ASSERT_TRUE(graphics.GdipFillPath(red, path));

  for (const auto& [x, y] : {std::pair{50, 40}, {50, 12}, {50, 68}, {12, 40}, {88, 40}}) {
    EXPECT_TRUE(Near(surface.Pixel(x, y), kRed, 0)) << "inside at " << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{12, 12}, {87, 12}, {87, 67}, {12, 67}, {5, 40}, {95, 40}}) {
    EXPECT_TRUE(Near(surface.Pixel(x, y), kWhite, 0)) << "outside at " << x << "," << y;
  }
}

TEST(GraphicsPathShape, RoundRectClampsRoundnessAndTruncatesTheArcs) {
  struct Case {
    REAL width, height;
    int32_t roundness;
    REAL arcWidth, arcHeight;
  };
  const Case cases[] = {
      {200, 100, 0, 2, 1},                                   // below 1 counts as 1
      {200, 100, -40, 2, 1},     {200, 100, 100, 200, 100},  // the inscribed ellipse
      {200, 100, 250, 200, 100},                             // above 100 counts as 100
      {10, 10, 15, 1, 1},                                    // 1.5 truncated
      {30, 20, 50, 15, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.width << "x" << c.height << " at " << c.roundness << "%");
    GraphicsPath path;
    ASSERT_TRUE(path.GdipCreatePath());
    ASSERT_TRUE(path.AddRoundRect(0, 0, c.width, c.height, c.roundness));
    PointsF points;
    ASSERT_TRUE(path.GetPathPoints(points));
    ASSERT_GE(points.Count(), 4);
    // The first arc runs from the top of its ellipse to its right-hand end.
    EXPECT_NEAR(points[1].X, c.width - c.arcWidth / 2, 0.01);
    EXPECT_NEAR(points[1].Y, 0, 0.01);
    EXPECT_NEAR(points[4].X, c.width, 0.01);
    EXPECT_NEAR(points[4].Y, c.arcHeight / 2, 0.01);
  }
}

TEST(GraphicsPathData, PointsAndTypesMakeTheRoundTrip) {
  const PointsF points = {{0, 0}, {10, 0}, {10, 10.25f}, {0, 10}};
  const Bytes types = {0, 1, 1, 0x81};  // start, lines, closing line
  GraphicsPath path;
  ASSERT_TRUE(path.GdipCreatePath2(points, types));

  PathData data;
  ASSERT_TRUE(path.GetPathData(data));
  EXPECT_EQ(data.Count, 4);
  EXPECT_EQ(data.Types, types);
  ASSERT_EQ(data.Points.Count(), 4);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(data.Points[i].X, points[i].X) << i;
    EXPECT_EQ(data.Points[i].Y, points[i].Y) << i;
  }

  Bytes readTypes = {9, 9, 9, 9, 9, 9};
  ASSERT_TRUE(path.GetPathTypes(readTypes));
  EXPECT_EQ(readTypes, types);
  PointsI readPoints;
  ASSERT_TRUE(path.GetPathPointsI(readPoints));
  ASSERT_EQ(readPoints.Count(), 4);
  EXPECT_EQ(readPoints[3].Y, 10);

  GraphicsPath fromIntegers;
  ASSERT_TRUE(fromIntegers.GdipCreatePath2I({{1, 2}, {3, 4}, {5, 6}}, {0, 1, 1}));
  EXPECT_EQ(fromIntegers.GdipGetPointCount(), 3);
  PointsF asReals(6);
  ASSERT_TRUE(fromIntegers.GetPathPoints(asReals, 3));  // an explicit count sizes the array
  ASSERT_EQ(asReals.Count(), 3);
  EXPECT_EQ(asReals[2].X, 3.0f);
}

TEST(GraphicsPathData, AnEmptyPathReportsFalseAndEmptyArrays) {
  GraphicsPath path;
  ASSERT_TRUE(path.GdipCreatePath());
  PathData data;
  data.Count = 7;
  data.Points = {{1, 1}};
  data.Types = {1, 2};
  LastGdipStatus = 99;
  EXPECT_FALSE(path.GetPathData(data));
  EXPECT_EQ(LastGdipStatus, kOk) << "no call failed";
  EXPECT_EQ(data.Count, 0);
  EXPECT_TRUE(data.Points.Empty());
  EXPECT_TRUE(data.Types.Empty());

  Bytes types = {1, 2, 3};
  EXPECT_FALSE(path.GetPathTypes(types));
  EXPECT_EQ(types, (Bytes{1, 2, 3})) << "the array is left as it was";
}

// ---- arrays that GDI+ would misread

TEST(ArrayArguments, MismatchedLengthsAreRefusedWithoutCallingGdiplus) {
  // Each call below would succeed in GDI+ (it reads only as far as the count it is given), so a
  // changed object shows that the call was made.
  GraphicsPath path;
  LinearGradientBrush line;
  ASSERT_TRUE(line.GdipCreateLineBrush({0, 0}, {10, 0}, kRed, kBlue));
  PathGradientBrush gradient;
  ASSERT_TRUE(gradient.GdipCreatePathGradient({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  Region source;
  ASSERT_TRUE(source.GdipCreateRegionRect({0, 0, 5, 5}));
  uint32_t filled = 0;
  const runtime::ByteSet regionData = source.GetRegionData(source.GdipGetRegionDataSize(), filled);
  ASSERT_GT(regionData.Size(), 0u);
  Region region;
  Colours surround = {kLime};
  int32_t surroundCount = 4;

  struct Case {
    const char* name;
    std::function<bool()> call;
    std::function<int64_t()> state;  // what the call must leave unchanged
  };
  const auto native = [](const NativeWrapper& w) {
    return static_cast<int64_t>(reinterpret_cast<intptr_t>(w.GetNative()));
  };
  const Case cases[] = {
      {"path from more points than types",
       [&] {
         return path.GdipCreatePath2({{0, 0}, {1, 1}, {2, 0}}, {0, 1});
       },
       [&] { return native(path); }},
      {"path from fewer points than types",
       [&] {
         return path.GdipCreatePath2({{0, 0}, {1, 1}}, {0, 1, 1});
       },
       [&] { return native(path); }},
      {"integer path from fewer types than points",
       [&] {
         return path.GdipCreatePath2I({{0, 0}, {1, 1}}, {0, 1, 1});
       },
       [&] { return native(path); }},
      {"line blend",
       [&] {
         return line.GdipSetLineBlend({0, 1}, {0, 1, 0.5f});
       },
       [&] { return line.GdipGetLineBlendCount(); }},
      {"line preset blend",
       [&] {
         return line.GdipSetLinePresetBlend({kRed, kBlue}, {0, 1, 0.5f});
       },
       [&] { return line.GdipGetLinePresetBlendCount(); }},
      {"path-gradient blend",
       [&] {
         return gradient.GdipSetPathGradientBlend({0, 1}, {0, 1, 0.5f});
       },
       [&] { return gradient.GdipGetPathGradientBlendCount(); }},
      {"path-gradient preset blend",
       [&] {
         return gradient.GdipSetPathGradientPresetBlend({kRed, kBlue}, {0, 1, 0.5f});
       },
       [&] { return gradient.GdipGetPathGradientPresetBlendCount(); }},
      {"surround colours beyond the array",
       [&] {
         int32_t count = 3;
         return gradient.GdipSetPathGradientSurroundColorsWithCount({kRed, kBlue}, &count);
       },
       [&] { return gradient.GdipGetPathGradientSurroundColorCount(); }},
      {"surround colours read into a short array",
       [&] { return gradient.GdipGetPathGradientSurroundColorsWithCount(surround, surroundCount); },
       [&] { return int64_t{surroundCount} << 32 | surround[1]; }},
      {"region data shorter than its size",
       [&] {
         return region.GdipCreateRegionRgnData(regionData,
                                               static_cast<int32_t>(regionData.Size()) + 8);
       },
       [&] { return native(region); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int64_t before = c.state();
    LastGdipStatus = kOk;
    EXPECT_FALSE(c.call());
    EXPECT_EQ(LastGdipStatus, kInvalidParameter);
    EXPECT_EQ(c.state(), before);
  }
}

// ---- regions

TEST(RegionCombine, EachModeKeepsTheRightPoints) {
  // The region (0,0)-(10,10) combined with (5,5)-(15,15), through each combining operation.
  struct Case {
    const char* name;
    std::optional<int32_t> mode;  // none: the default
    std::vector<PointF> inside, outside;
  };
  const PointF onlyFirst{2, 2}, both{7, 7}, onlySecond{12, 12}, neither{12, 2};
  const Case cases[] = {
      {"default intersects", std::nullopt, {both}, {onlyFirst, onlySecond, neither}},
      {"replace", 0, {both, onlySecond}, {onlyFirst, neither}},
      {"intersect", 1, {both}, {onlyFirst, onlySecond, neither}},
      {"union", 2, {onlyFirst, both, onlySecond}, {neither}},
      {"xor", 3, {onlyFirst, onlySecond}, {both, neither}},
      {"exclude", 4, {onlyFirst}, {both, onlySecond, neither}},
      {"complement", 5, {onlySecond}, {onlyFirst, both, neither}},
  };
  const RectF second{5, 5, 10, 10};
  GraphicsPath secondPath;
  ASSERT_TRUE(secondPath.GdipCreatePath());
  ASSERT_TRUE(secondPath.GdipAddPathRectangle(5, 5, 10, 10));
  Region secondRegion;
  ASSERT_TRUE(secondRegion.GdipCreateRegionRect(second));
  const std::pair<const char*, std::function<bool(Region&, std::optional<int32_t>)>> combiners[] = {
      {"rect",
       [&](Region& r, auto m) {
         return m ? r.GdipCombineRegionRect(second, *m) : r.GdipCombineRegionRect(second);
       }},
      {"rectI",
       [&](Region& r, auto m) {
         return m ? r.GdipCombineRegionRectI({5, 5, 10, 10}, *m)
                  : r.GdipCombineRegionRectI({5, 5, 10, 10});
       }},
      {"region",
       [&](Region& r, auto m) {
         return m ? r.GdipCombineRegionRegion(secondRegion, *m)
                  : r.GdipCombineRegionRegion(secondRegion);
       }},
      {"path",
       [&](Region& r, auto m) {
         return m ? r.GdipCombineRegionPath(secondPath, *m) : r.GdipCombineRegionPath(secondPath);
       }},
  };
  for (const auto& [combinerName, combine] : combiners) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << combinerName << ": " << c.name);
      Region region;
      ASSERT_TRUE(region.GdipCreateRegionRectI({0, 0, 10, 10}));
      ASSERT_TRUE(combine(region, c.mode));
      for (const PointF& p : c.inside)
        EXPECT_TRUE(region.GdipIsVisibleRegionPoint(p, nullptr)) << p.X;
      for (const PointF& p : c.outside)
        EXPECT_FALSE(region.GdipIsVisibleRegionPoint(p, nullptr)) << p.X;
    }
  }
}

TEST_F(ShapesOnDib, RegionFromAPathMinusARectangleFillsOnlyWhatIsLeft) {
  GraphicsPath ellipse;
  ASSERT_TRUE(ellipse.GdipCreatePath());
  ASSERT_TRUE(ellipse.GdipAddPathEllipse(0, 0, 80, 80));
  Region region;
  ASSERT_TRUE(region.GdipCreateRegionPath(ellipse));
  ASSERT_TRUE(region.GdipCombineRegionRect({40, 0, 40, 80}, 4));  // exclude the right half
  SolidBrush blue;
  ASSERT_TRUE(blue.GdipCreateSolidFill(kBlue));
  ASSERT_TRUE(graphics.GdipFillRegion(blue, region));

  EXPECT_TRUE(Near(surface.Pixel(20, 40), kBlue, 0));
  EXPECT_TRUE(Near(surface.Pixel(60, 40), kWhite, 0)) << "excluded half";
  EXPECT_TRUE(Near(surface.Pixel(3, 3), kWhite, 0)) << "outside the ellipse";
  EXPECT_EQ(region.GdipGetRegionBoundsI(&graphics).Width, 40);
}

TEST_F(ShapesOnDib, RegionDataAndScansDescribeTheRegion) {
  Region region;
  ASSERT_TRUE(region.GdipCreateRegionRect({0, 0, 10, 10}));
  ASSERT_TRUE(region.GdipCombineRegionRect({0, 20, 10, 5}, 2));

  const uint32_t size = region.GdipGetRegionDataSize();
  ASSERT_GT(size, 0u);
  uint32_t filled = 0;
  const runtime::ByteSet data = region.GetRegionData(size, filled);
  EXPECT_EQ(filled, size);
  Region copy;
  ASSERT_TRUE(copy.GdipCreateRegionRgnData(data, static_cast<int32_t>(size)));
  EXPECT_TRUE(copy.GdipIsEqualRegion(region, &graphics));

  const Matrix identity;
  RectsI scans;
  ASSERT_EQ(region.GetRegionScansI(&identity, scans), 2);
  ASSERT_EQ(scans.Count(), 2);
  EXPECT_EQ(scans[1].Height, 10);
  EXPECT_EQ(scans[2].Y, 20);
  EXPECT_EQ(scans[2].Height, 5);

  ASSERT_TRUE(region.GdipSetEmpty());
  RectsF empty = {{1, 2, 3, 4}};
  EXPECT_EQ(region.GetRegionScans(&identity, empty), 0);
  EXPECT_TRUE(empty.Empty());
  EXPECT_TRUE(region.GdipIsEmptyRegion(&graphics));
}

// ---- brushes

TEST_F(ShapesOnDib, LinearGradientShowsItsEndColoursAtItsEnds) {
  LinearGradientBrush brush;
  ASSERT_TRUE(brush.GdipCreateLineBrush({0, 0}, {kWidth, 0}, kRed, kBlue));
  ASSERT_TRUE(graphics.GdipFillRectangle(brush, 0, 0, kWidth, 10));
  EXPECT_TRUE(Near(surface.Pixel(0, 5), kRed, 8));
  EXPECT_TRUE(Near(surface.Pixel(kWidth - 1, 5), kBlue, 8));
  EXPECT_TRUE(Near(surface.Pixel(kWidth / 2, 5), 0xFF800080, 12));

  ARGB start = 0, end = 0;
  ASSERT_TRUE(brush.GetLineColors(start, end));
  EXPECT_EQ(start, kRed);
  EXPECT_EQ(end, kBlue);
}

TEST_F(ShapesOnDib, LinearPresetBlendPutsItsMiddleColourInTheMiddle) {
  LinearGradientBrush brush;
  ASSERT_TRUE(brush.GdipCreateLineBrushFromRect({0, 0, kWidth, 10}, kRed, kBlue, 0));
  ASSERT_TRUE(brush.GdipSetLinePresetBlend({kRed, kLime, kBlue}, {0, 0.5f, 1}));
  ASSERT_TRUE(graphics.GdipFillRectangle(brush, RectF{0, 20, kWidth, 10}));
  EXPECT_TRUE(Near(surface.Pixel(kWidth / 2, 25), kLime, 12));
  EXPECT_TRUE(Near(surface.Pixel(0, 25), kRed, 12));

  Colours colours = {1, 2, 3, 4, 5};
  Reals positions;
  ASSERT_EQ(brush.GetLinePresetBlend(colours, positions), 3);
  EXPECT_EQ(colours, (Colours{kRed, kLime, kBlue}));
  EXPECT_EQ(positions, (Reals{0, 0.5f, 1}));
}

TEST(LinearGradientBrushCreation, EveryCreationTiles) {
  const RectF rect{0, 0, 10, 10};
  const RectI rectI{0, 0, 10, 10};
  const std::pair<const char*, std::function<bool(LinearGradientBrush&)>> creations[] = {
      {"points",
       [](auto& b) {
         return b.GdipCreateLineBrush({0, 0}, {5, 5}, kRed, kBlue);
       }},
      {"pointsI",
       [](auto& b) {
         return b.GdipCreateLineBrushI({0, 0}, {5, 5}, kRed, kBlue);
       }},
      {"rect", [&](auto& b) { return b.GdipCreateLineBrushFromRect(rect, kRed, kBlue, 1); }},
      {"rectI", [&](auto& b) { return b.GdipCreateLineBrushFromRectI(rectI, kRed, kBlue, 1); }},
      {"angle",
       [&](auto& b) {
         return b.GdipCreateLineBrushFromRectWithAngle(rect, kRed, kBlue, 30, true);
       }},
      {"angleI",
       [&](auto& b) {
         return b.GdipCreateLineBrushFromRectWithAngleI(rectI, kRed, kBlue, 30, false);
       }},
  };
  for (const auto& [name, create] : creations) {
    SCOPED_TRACE(name);
    LinearGradientBrush brush;
    ASSERT_TRUE(create(brush));
    EXPECT_EQ(brush.GdipGetLineWrapMode(), 0);
    EXPECT_EQ(brush.GdipGetBrushType(), 4);  // linear gradient
  }
}

TEST(BrushPointers, TheBaseAndTheLeafFollowEachOther) {
  LinearGradientBrush brush;
  LastGdipStatus = 12345;
  EXPECT_FALSE(brush.GdipDeleteBrush());
  EXPECT_EQ(LastGdipStatus, 12345) << "a brush never created makes no call";

  ASSERT_TRUE(brush.GdipCreateLineBrush({0, 0}, {10, 0}, kRed, kBlue));
  EXPECT_TRUE(brush.GdipSetLineWrapMode(1));  // leaf pointer
  EXPECT_EQ(brush.GdipGetLineWrapMode(), 1);
  EXPECT_EQ(brush.GdipGetBrushType(), 4);  // base pointer

  SolidBrush clone;
  ASSERT_TRUE(brush.GdipCloneBrush(clone));
  EXPECT_EQ(clone.GdipGetBrushType(), 4);

  ASSERT_TRUE(brush.GdipDeleteBrush());
  EXPECT_FALSE(brush.GdipSetLineWrapMode(0)) << "the leaf copy is emptied with the base";
  EXPECT_EQ(LastGdipStatus, kInvalidParameter);
}

TEST_F(ShapesOnDib, PathGradientShowsItsCentreAndSurroundColours) {
  PathGradientBrush brush;
  ASSERT_TRUE(brush.GdipCreatePathGradient({{0, 0}, {80, 0}, {80, 80}, {0, 80}}));
  EXPECT_EQ(brush.GdipGetPathGradientWrapMode(), 4) << "clamped unless told otherwise";
  ASSERT_TRUE(brush.GdipSetPathGradientCenterColor(kRed));
  ASSERT_TRUE(brush.GdipSetPathGradientSurroundColorsWithCount({kBlue}));
  ASSERT_TRUE(graphics.GdipFillRectangle(brush, 0, 0, 80, 80));
  EXPECT_TRUE(Near(surface.Pixel(40, 40), kRed, 16));
  EXPECT_TRUE(Near(surface.Pixel(1, 40), kBlue, 16));
  EXPECT_TRUE(Near(surface.Pixel(40, 78), kBlue, 16));

  Colours surround = {0, 0, 0, 0};
  int32_t count = 4;
  ASSERT_TRUE(brush.GdipGetPathGradientSurroundColorsWithCount(surround, count));
  EXPECT_EQ(surround[1], kBlue);
}

TEST_F(ShapesOnDib, PathGradientFromAPathTakesTheGivenSurroundCount) {
  GraphicsPath ellipse;
  ASSERT_TRUE(ellipse.GdipCreatePath());
  ASSERT_TRUE(ellipse.GdipAddPathEllipse(0, 0, 80, 80));
  PathGradientBrush brush;
  ASSERT_TRUE(brush.GdipCreatePathGradientFromPath(ellipse));
  ASSERT_TRUE(brush.GdipSetPathGradientCenterColor(kWhite));
  int32_t count = 1;
  ASSERT_TRUE(brush.GdipSetPathGradientSurroundColorsWithCount({kBlue, kRed}, &count));
  EXPECT_EQ(count, 1) << "GDI+ writes back how many colours it took";
  ASSERT_TRUE(graphics.GdipFillPath(brush, ellipse));
  EXPECT_TRUE(Near(surface.Pixel(40, 40), kWhite, 24));
  EXPECT_TRUE(Near(surface.Pixel(40, 2), kBlue, 40));
  EXPECT_TRUE(Near(surface.Pixel(2, 2), kWhite, 0)) << "outside the ellipse";
}

// ---- pens

TEST_F(ShapesOnDib, PenFromAGradientBrushDrawsInTheBrushColours) {
  LinearGradientBrush brush;
  ASSERT_TRUE(brush.GdipCreateLineBrush({0, 0}, {kWidth, 0}, kRed, kBlue));
  Pen pen;
  ASSERT_TRUE(pen.GdipCreatePen2(brush, 4));
  EXPECT_EQ(pen.GdipGetPenFillType(), 4);  // linear gradient
  ASSERT_TRUE(graphics.GdipDrawLine(pen, 0, 40, kWidth, 40));
  EXPECT_TRUE(Near(surface.Pixel(1, 40), kRed, 12));
  EXPECT_TRUE(Near(surface.Pixel(kWidth - 2, 40), kBlue, 12));
  EXPECT_TRUE(Near(surface.Pixel(50, 30), kWhite, 0)) << "off the line";

  Brush fill;
  ASSERT_TRUE(pen.GdipGetPenBrushFill(fill));
  EXPECT_EQ(fill.GdipGetBrushType(), 4);
}

TEST(PenSettings, UnitsAndDashes) {
  Pen pen;
  ASSERT_TRUE(pen.GdipCreatePen1(kRed, 1));
  EXPECT_EQ(pen.GdipGetPenUnit(), 0) << "world units when no unit is given";
  Pen pixels;
  ASSERT_TRUE(pixels.GdipCreatePen1(kRed, 2, 2));
  EXPECT_EQ(pixels.GdipGetPenUnit(), 2);

  Reals dashes = {7, 7};
  EXPECT_EQ(pen.GetPenDashArray(dashes), 0) << "a solid pen has no dashes";
  EXPECT_TRUE(dashes.Empty());
  ASSERT_TRUE(pen.GdipSetPenDashArray({3, 1, 2, 1}));
  EXPECT_EQ(pen.GetPenDashArray(dashes), 4);
  EXPECT_EQ(dashes, (Reals{3, 1, 2, 1}));

  ASSERT_TRUE(pen.GdipSetPenCompoundArray({0, 0.25f, 0.75f, 1}));
  Reals compound;
  EXPECT_EQ(pen.GetPenCompoundArray(compound), 4);
  EXPECT_EQ(compound, (Reals{0, 0.25f, 0.75f, 1}));
}

// ---- transforms about a centre

TEST(TransformAboutACentre, ScaleAtAndRotateAtKeepTheCentreInBothOrders) {
  // About (10, 20): scaling by (2, 3) gives x' = 2x - 10, y' = 3y - 40; a quarter turn gives
  // x' = -y + 30, y' = x + 10. Elements: m11, m12, m21, m22, dx, dy.
  const PointF centre{10, 20};
  const std::array<REAL, 6> scaled = {2, 0, 0, 3, -10, -40};
  const std::array<REAL, 6> turned = {0, 1, -1, 0, 30, 10};
  LinearGradientBrush line;
  ASSERT_TRUE(line.GdipCreateLineBrush({0, 0}, {10, 0}, kRed, kBlue));
  PathGradientBrush gradient;
  ASSERT_TRUE(gradient.GdipCreatePathGradient({{0, 0}, {10, 0}, {10, 10}}));
  Pen pen;
  ASSERT_TRUE(pen.GdipCreatePen1(kRed, 1));
  struct Case {
    const char* name;
    std::function<bool(int32_t order, Matrix& result)> transform;
    std::array<REAL, 6> expected;
  };
  // (The test's GDI+ does not rotate line-brush transforms, so the line brush is only scaled.)
  const Case cases[] = {
      {"line brush ScaleAt",
       [&](int32_t order, Matrix& m) {
         return line.GdipResetLineTransform() && line.ScaleAt(2, 3, centre, order) &&
                line.GdipGetLineTransform(m);
       },
       scaled},
      {"path gradient ScaleAt",
       [&](int32_t order, Matrix& m) {
         return gradient.GdipResetPathGradientTransform() &&
                gradient.ScaleAt(2, 3, centre, order) && gradient.GdipGetPathGradientTransform(m);
       },
       scaled},
      {"path gradient RotateAt",
       [&](int32_t order, Matrix& m) {
         return gradient.GdipResetPathGradientTransform() && gradient.RotateAt(90, centre, order) &&
                gradient.GdipGetPathGradientTransform(m);
       },
       turned},
      {"pen ScaleAt",
       [&](int32_t order, Matrix& m) {
         return pen.GdipResetPenTransform() && pen.ScaleAt(2, 3, centre, order) &&
                pen.GdipGetPenTransform(m);
       },
       scaled},
      {"pen RotateAt",
       [&](int32_t order, Matrix& m) {
         return pen.GdipResetPenTransform() && pen.RotateAt(90, centre, order) &&
                pen.GdipGetPenTransform(m);
       },
       turned},
  };
  for (const Case& c : cases) {
    for (int32_t order : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << c.name << ", order " << order);
      Matrix matrix;
      ASSERT_TRUE(c.transform(order, matrix));
      const auto elements = matrix.Elements();
      for (size_t i = 0; i < elements.size(); ++i)
        EXPECT_NEAR(elements[i], c.expected[i], 1e-4) << i;
    }
  }
}

}  // namespace
