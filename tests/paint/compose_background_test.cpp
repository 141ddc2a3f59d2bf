// ComposeBackground in each of its owner cases, with and without veils, read back pixel by pixel;
// the veiled control backgrounds; and the table and GDI handles it leaves behind.
#include "skin/paint/compose_background.h"

#include "skin/engine/settings.h"
#include "skin/paint/memory_dc_table.h"
#include "tests/paint/paint_fixture.h"

namespace {

using namespace paint_test;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr Rgb kGreen = 0x00FF00;
constexpr COLORREF kGreenVeil = 0x00FF00;
constexpr COLORREF kRedVeil = 0x0000FF;  // COLORREF: red is the low byte
constexpr Rgb kRed = 0xFF0000;

// A bordered top-level window registered with a back buffer that names its pixels' positions.
class ComposeTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    top_ = Window("STATIC", WS_OVERLAPPEDWINDOW, 40, 50, 240, 200);
    record_ = Register(top_, frame_.Dc());
  }

  // What lies under `window`'s (x, y) in the back buffer.
  Rgb FrameUnder(HWND window, int x, int y) {
    const POINT origin = Origin(top_, window);
    return FramePattern(origin.x + x, origin.y + y);
  }

  // ComposeBackground's picture of `rect` of `window`; the DC goes back to the table.
  Pixels Compose(HWND window, const RECT& rect) {
    HDC dc = skin::ComposeBackground(window, rect);
    EXPECT_NE(dc, nullptr);
    Pixels pixels = Pixels::Of(dc);
    EXPECT_TRUE(skin::ReleaseMemoryDc(dc));
    return pixels;
  }

  Picture frame_{240, 200, FramePattern};
  HWND top_ = nullptr;
  int record_ = 0;
};

TEST_F(ComposeTest, ControlOnTheWindowGetsExactlyTheBackBufferUnderIt) {
  HWND button = Child(top_, 30, 40, 50, 20);
  struct Case {
    RECT rect;
  };
  for (const Case& c : {Case{{0, 0, 50, 20}}, Case{{5, 3, 25, 13}}, Case{{-4, -2, 10, 6}}}) {
    SCOPED_TRACE(testing::Message() << "rect " << c.rect.left << "," << c.rect.top);
    const Pixels pixels = Compose(button, c.rect);
    ASSERT_EQ(pixels.Width(), c.rect.right - c.rect.left);
    ASSERT_EQ(pixels.Height(), c.rect.bottom - c.rect.top);
    for (int y = 0; y < pixels.Height(); ++y) {
      for (int x = 0; x < pixels.Width(); ++x) {
        ASSERT_EQ(pixels.At(x, y), FrameUnder(button, c.rect.left + x, c.rect.top + y))
            << "at " << x << "," << y;
      }
    }
  }
}

TEST_F(ComposeTest, GroupBoxOnTheWindowIsVeiledFromFivePixelsBelowItsTop) {
  HWND box = Child(top_, 20, 30, 100, 60, "BUTTON", WS_VISIBLE | BS_GROUPBOX);
  AddPanel(record_, box, kGreenVeil, 80, /*groupBox=*/true);
  const Pixels pixels = Compose(box, {0, 0, 100, 60});
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(pixels.At(50, y), FrameUnder(box, 50, y)) << "row " << y << " is the caption line";
  }
  for (const POINT p : {POINT{50, 7}, POINT{50, 30}, POINT{5, 30}, POINT{94, 50}}) {
    EXPECT_TRUE(Near(pixels.At(p.x, p.y), Blend(FrameUnder(box, p.x, p.y), kGreen, 80)))
        << "at " << p.x << "," << p.y;
  }
  EXPECT_EQ(pixels.At(0, 5), FrameUnder(box, 0, 5)) << "the top-left corner is rounded";
}

TEST_F(ComposeTest, GroupBoxNestedInAPanelIsVeiledOverItsWholeArea) {
  HWND panel = Child(top_, 10, 10, 200, 150, "STATIC");
  HWND box = Child(panel, 20, 30, 100, 60, "BUTTON", WS_VISIBLE | BS_GROUPBOX);
  AddPanel(record_, panel);
  AddPanel(record_, box, kGreenVeil, 80, /*groupBox=*/true);
  const Pixels pixels = Compose(box, {0, 0, 100, 60});
  for (const POINT p : {POINT{0, 0}, POINT{50, 0}, POINT{99, 0}, POINT{0, 59}, POINT{99, 59},
                        POINT{50, 30}}) {
    EXPECT_TRUE(Near(pixels.At(p.x, p.y), Blend(FrameUnder(box, p.x, p.y), kGreen, 80)))
        << "at " << p.x << "," << p.y;
  }
}

TEST_F(ComposeTest, ControlInAPanelTakesThePanelsVeilWhenItHasAColour) {
  struct Case {
    const char* name;
    COLORREF veil;
    bool veiled;
  };
  for (const Case& c : {Case{"veil colour 0", 0, false}, Case{"red veil", kRedVeil, true}}) {
    SCOPED_TRACE(c.name);
    HWND panel = Child(top_, 10, 10, 200, 150, "STATIC");
    HWND button = Child(panel, 15, 25, 60, 24);
    AddPanel(record_, panel, c.veil, 120);
    const Pixels pixels = Compose(button, {0, 0, 60, 24});
    for (const POINT p : {POINT{0, 0}, POINT{30, 12}, POINT{59, 23}}) {
      const Rgb under = FrameUnder(button, p.x, p.y);
      if (c.veiled) {
        EXPECT_TRUE(Near(pixels.At(p.x, p.y), Blend(under, kRed, 120)));
      } else {
        EXPECT_EQ(pixels.At(p.x, p.y), under);
      }
    }
  }
}

// A container child of the window that keeps its own composed background in Wxk_Cj.
class ContainerTest : public ComposeTest {
 protected:
  void SetUp() override {
    ComposeTest::SetUp();
    container_ = Child(top_, 20, 20, 180, 140, "STATIC");
    SetPropA(container_, "Wxk_Zpf", skin::PropertyValue(1));
    SetPropA(container_, "Wxk_Cj", own_.Dc());
  }
  // What lies under `window`'s (x, y) in the container's own background.
  Rgb ContainerUnder(HWND window, int x, int y) {
    const POINT origin = Origin(container_, window);
    return ContainerPattern(origin.x + x, origin.y + y);
  }
  // A panel inside the container, marked as SkinPanel marks it.
  HWND PanelInContainer(COLORREF veil, int alpha, bool paintsBackground) {
    HWND panel = Child(container_, 10, 12, 120, 90, "STATIC");
    AddPanel(record_, panel, veil, alpha, false, paintsBackground);
    SetPropA(panel, "Mb_zpf", container_);
    return panel;
  }

  Picture own_{180, 140, ContainerPattern};
  HWND container_ = nullptr;
};

TEST_F(ContainerTest, ControlInTheContainerGetsTheContainersBackgroundWithoutVeil) {
  HWND button = Child(container_, 25, 35, 40, 20);
  const Pixels pixels = Compose(button, {0, 0, 40, 20});
  for (const POINT p : {POINT{0, 0}, POINT{20, 10}, POINT{39, 19}}) {
    EXPECT_EQ(pixels.At(p.x, p.y), ContainerUnder(button, p.x, p.y));
  }
}

TEST_F(ContainerTest, ContainerItselfComesFromTheWindowsBackBuffer) {
  const Pixels pixels = Compose(container_, {2, 3, 12, 13});
  EXPECT_EQ(pixels.At(0, 0), FrameUnder(container_, 2, 3));
  EXPECT_EQ(pixels.At(9, 9), FrameUnder(container_, 11, 12));
}

TEST_F(ContainerTest, NestedContainerComesFromTheBackgroundOfTheContainerNamedByMbZpf) {
  HWND inner = Child(container_, 30, 40, 50, 50, "STATIC");
  SetPropA(inner, "Wxk_Zpf", skin::PropertyValue(1));
  SetPropA(inner, "Mb_zpf", container_);
  const Pixels pixels = Compose(inner, {0, 0, 50, 50});
  EXPECT_EQ(pixels.At(0, 0), ContainerUnder(inner, 0, 0));
  EXPECT_EQ(pixels.At(49, 49), ContainerUnder(inner, 49, 49));
}

TEST_F(ContainerTest, PanelInTheContainerIsVeiledOverTheContainersBackground) {
  HWND panel = PanelInContainer(kRedVeil, 100, true);
  const Pixels pixels = Compose(panel, {0, 0, 120, 90});
  for (const POINT p : {POINT{0, 0}, POINT{60, 45}, POINT{119, 89}}) {
    EXPECT_TRUE(Near(pixels.At(p.x, p.y), Blend(ContainerUnder(panel, p.x, p.y), kRed, 100)));
  }
}

TEST_F(ContainerTest, ControlInAPanelInTheContainerTakesTheVeilOnlyOfABackgroundPaintingPanel) {
  for (const bool paintsBackground : {true, false}) {
    SCOPED_TRACE(paintsBackground ? "panel paints its background" : "panel keeps its own painting");
    HWND panel = PanelInContainer(kRedVeil, 100, paintsBackground);
    HWND button = Child(panel, 5, 6, 30, 16);
    const Pixels pixels = Compose(button, {0, 0, 30, 16});
    const Rgb under = ContainerUnder(button, 15, 8);
    if (paintsBackground) {
      EXPECT_TRUE(Near(pixels.At(15, 8), Blend(under, kRed, 100)));
    } else {
      EXPECT_EQ(pixels.At(15, 8), under);
    }
  }
}

TEST_F(ComposeTest, WindowUnderNoRegisteredWindowGetsNoDcAndLeavesNoEntry) {
  HWND stranger = Window("STATIC", WS_POPUP, 0, 0, 50, 50);
  HWND button = Child(stranger, 5, 5, 20, 20);
  const int before = skin::MemoryDcTable.Count();
  EXPECT_EQ(skin::ComposeBackground(button, {0, 0, 20, 20}), nullptr);
  EXPECT_EQ(skin::MemoryDcTable.Count(), before);
}

TEST_F(ComposeTest, ControlBackgroundIsTheClientAreaUnderFrostedWhite) {
  const int savedAlpha = skin::ControlVeilAlpha;
  skin::ControlVeilAlpha = 160;
  HWND edit = Window("EDIT", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 30, 40, 100, 50, top_,
                     WS_EX_CLIENTEDGE);
  RECT client{};
  GetClientRect(edit, &client);
  HBITMAP bitmap = skin::ControlBackgroundBitmap(edit);
  ASSERT_NE(bitmap, nullptr);
  const Pixels pixels(bitmap);
  DeleteObject(bitmap);
  skin::ControlVeilAlpha = savedAlpha;

  EXPECT_EQ(pixels.Width(), client.right);
  EXPECT_EQ(pixels.Height(), client.bottom);
  // The client area starts inside the 2-pixel client edge.
  EXPECT_TRUE(Near(pixels.At(0, 0), Blend(FrameUnder(edit, 2, 2), 0xFFFFFF, 160)));
  EXPECT_TRUE(Near(pixels.At(10, 20), Blend(FrameUnder(edit, 12, 22), 0xFFFFFF, 160)));
}

TEST_F(ComposeTest, VeiledClientBufferIsATableDcTheSizeOfTheClientArea) {
  HWND button = Child(top_, 30, 40, 50, 20);
  HDC dc = skin::VeiledClientBuffer(button);
  ASSERT_NE(dc, nullptr);
  const Pixels pixels = Pixels::Of(dc);
  EXPECT_EQ(pixels.Width(), 50);
  EXPECT_EQ(pixels.Height(), 20);
  EXPECT_TRUE(skin::ReleaseMemoryDc(dc));
}

TEST_F(ComposeTest, ComposeAndReleaseLeaveTheTableAsTheyFoundIt) {
  HWND panel = Child(top_, 10, 10, 200, 150, "STATIC");
  HWND button = Child(panel, 15, 25, 60, 24);
  AddPanel(record_, panel, kRedVeil, 120);
  const int start = skin::MemoryDcTable.Count();
  for (int round = 0; round < 1000; ++round) {
    ASSERT_TRUE(skin::ReleaseMemoryDc(skin::ComposeBackground(button, {0, 0, 60, 24})));
  }
  EXPECT_EQ(skin::MemoryDcTable.Count(), start);
}

// Wine's GDI handle table is finite: a leak of one handle per round would exhaust it.
TEST_F(ComposeTest, ControlBackgroundsLeakNoGdiHandles) {
  HWND button = Child(top_, 30, 40, 8, 8);
  for (int round = 0; round < 70000; ++round) DeleteObject(skin::ControlBackgroundBitmap(button));
  EXPECT_EQ(NewGdiObjectsPossible(100), 100);
}

}  // namespace
