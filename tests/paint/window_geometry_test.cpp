// Owner lookups and window rectangles over real window trees; class and style questions; clipping
// out and invalidating child windows.
#include "skin/paint/window_geometry.h"

#include <string>

#include "skin/paint/owner_lookup.h"
#include "tests/paint/paint_fixture.h"

namespace {

using namespace paint_test;

::testing::AssertionResult SameRect(const RECT& got, const RECT& want) {
  if (EqualRect(&got, &want)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << got.left << "," << got.top << "," << got.right
                                       << "," << got.bottom << "), expected (" << want.left << ","
                                       << want.top << "," << want.right << "," << want.bottom << ")";
}

// A window class whose non-client area is exactly 2 pixels on each side, plus 17 pixels for each
// scroll bar its style asks for: client areas of known size on any system.
LRESULT CALLBACK InsetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCALCSIZE) {
    RECT& rect = *reinterpret_cast<RECT*>(lParam);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    InflateRect(&rect, -2, -2);
    if (style & WS_VSCROLL) rect.right -= 17;
    if (style & WS_HSCROLL) rect.bottom -= 17;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
const char* InsetClass() {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = InsetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuizmoorInsetWindow";
    return RegisterClassA(&wc);
  }();
  return atom ? "QuizmoorInsetWindow" : nullptr;
}

// A popup top-level window (window and client rectangles coincide) holding a panel that holds a
// button; the top-level window is registered and the panel is its panel 1.
class TreeTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    top_ = Window("STATIC", WS_POPUP, 100, 80, 300, 200);
    panel_ = Child(top_, 10, 20, 200, 150, "STATIC");
    button_ = Child(panel_, 5, 6, 30, 15);
    record_ = Register(top_);
    AddPanel(record_, panel_);
  }
  HWND top_ = nullptr, panel_ = nullptr, button_ = nullptr;
  int record_ = 0;
};

TEST_F(TreeTest, FindTopLevelIndexSkipsTheWindowItselfAndEndsWithTheChain) {
  HWND stranger = Window("STATIC", WS_POPUP, 0, 0, 50, 50);
  HWND strangerChild = Child(stranger, 0, 0, 10, 10);
  HWND second = Window("STATIC", WS_POPUP, 0, 0, 50, 50);
  HWND secondChild = Child(second, 0, 0, 10, 10);
  const int secondRecord = Register(second);
  struct Case {
    const char* name;
    HWND window;
    int index;
  };
  for (const Case& c : {Case{"unregistered window", stranger, 0},
                        Case{"child of an unregistered window", strangerChild, 0},
                        Case{"registered window itself", top_, 0},
                        Case{"child", panel_, record_},
                        Case{"grandchild", button_, record_},
                        Case{"child of the second record", secondChild, secondRecord}}) {
    EXPECT_EQ(skin::FindTopLevelIndex(c.window), c.index) << c.name;
  }
}

TEST_F(TreeTest, RectanglesRelativeToTheTopLevelRootParentAndReference) {
  EXPECT_TRUE(SameRect(skin::OffsetInTopLevel(button_), {15, 26, 45, 41}));
  EXPECT_TRUE(SameRect(skin::OffsetInTopLevel(top_), {0, 0, 0, 0}));
  EXPECT_TRUE(SameRect(skin::RectRelativeToRoot(button_), {15, 26, 45, 41}));
  EXPECT_TRUE(SameRect(skin::RectRelativeTo(panel_, button_), {5, 6, 35, 21}));
  EXPECT_TRUE(SameRect(skin::ChildRectInParentClient(button_), {5, 6, 35, 21}));
  EXPECT_TRUE(SameRect(skin::ChildRectInParentClient(top_), {0, 0, 0, 0}))
      << "a registered window has no rectangle in a parent";
}

TEST_F(TreeTest, OffsetInTopLevelIsRelativeToTheRegisteredWindowNotTheRoot) {
  // The registered window is itself a child of an unregistered frame.
  HWND frame = Window("STATIC", WS_POPUP, 0, 0, 400, 300);
  HWND form = Child(frame, 50, 40, 300, 200, "STATIC");
  HWND button = Child(form, 7, 9, 20, 10);
  Register(form);
  EXPECT_TRUE(SameRect(skin::OffsetInTopLevel(button), {7, 9, 27, 19}));
  EXPECT_TRUE(SameRect(skin::RectRelativeToRoot(button), {57, 49, 77, 59}));
}

TEST_F(WindowTest, ChildRectInParentClientLeavesOutTheParentsBorders) {
  HWND parent = Window("STATIC", WS_OVERLAPPEDWINDOW, 30, 30, 300, 200);
  HWND child = Child(parent, 10, 20, 30, 40);
  EXPECT_TRUE(SameRect(skin::ChildRectInParentClient(child), {10, 20, 40, 60}));
}

TEST_F(TreeTest, LocateOwnerReportsWhatTheWalkMeetsFirst) {
  HWND container = Child(top_, 0, 0, 100, 100, "STATIC");
  SetPropA(container, "Wxk_Zpf", skin::PropertyValue(1));
  HWND inContainer = Child(container, 0, 0, 10, 10);
  HWND marked = Child(container, 20, 20, 50, 50, "STATIC");
  AddPanel(record_, marked);
  SetPropA(marked, "Mb_zpf", container);
  HWND inMarked = Child(marked, 0, 0, 10, 10);
  struct Case {
    const char* name;
    HWND window;
    bool containers;
    bool result;
    skin::OwnerLocation found;
  };
  for (const Case& c : {
           Case{"registered window", top_, true, true, {record_, 0, nullptr}},
           Case{"panel on the window", panel_, true, true, {record_, 0, nullptr}},
           Case{"control in a panel", button_, true, false, {record_, 1, nullptr}},
           Case{"container itself", container, true, false, {0, 0, container}},
           Case{"control in a container", inContainer, true, false, {0, 0, container}},
           Case{"containers disabled", inContainer, false, true, {record_, 0, nullptr}},
           Case{"control in a panel marked Mb_zpf", inMarked, true, false, {0, 0, container}},
           Case{"... with containers disabled", inMarked, false, false, {record_, 2, nullptr}},
       }) {
    SCOPED_TRACE(c.name);
    skin::OwnerLocation found{7, 7, top_};
    EXPECT_EQ(skin::LocateOwner(c.window, found, c.containers), c.result);
    EXPECT_EQ(found.record, c.found.record);
    EXPECT_EQ(found.panel, c.found.panel);
    EXPECT_EQ(found.container, c.found.container);
  }
  HWND stranger = Window("STATIC", WS_POPUP, 0, 0, 50, 50);
  skin::OwnerLocation none;
  EXPECT_FALSE(skin::LocateOwner(Child(stranger, 0, 0, 5, 5), none, true));
  EXPECT_EQ(none.record, 0);
  EXPECT_EQ(none.container, nullptr);
}

TEST_F(TreeTest, VeiledAncestorIsTheNearestBackgroundPaintingPanelBelowTheStop) {
  HWND keeper = Child(panel_, 0, 0, 100, 100, "STATIC");  // a panel that keeps its own painting
  HWND button = Child(keeper, 0, 0, 10, 10);
  AddPanel(record_, keeper, 0, 255, false, /*paintsBackground=*/false);
  EXPECT_EQ(skin::FindChildEntryIndex(record_, keeper), 2);
  EXPECT_EQ(skin::FindChildEntryIndex(record_, button), 0);
  EXPECT_EQ(skin::FindVeiledAncestorEntry(record_, button, top_), 1) << "skips the keeper";
  EXPECT_EQ(skin::FindVeiledAncestorEntry(record_, button, panel_), 0) << "stops at the stop window";
  EXPECT_EQ(skin::FindVeiledAncestorEntry(record_, button, nullptr), 1);
  EXPECT_EQ(skin::FindVeiledAncestorEntry(record_, top_, nullptr), 0);
}

TEST_F(WindowTest, ClientRectInWindowTakesBordersAsEqualAndScrollBarsAs17) {
  struct Case {
    DWORD style;
    RECT want;
  };
  for (const Case& c : {Case{0, {2, 2, 98, 48}}, Case{WS_VSCROLL, {2, 2, 81, 48}},
                        Case{WS_HSCROLL, {2, 2, 98, 31}}, Case{WS_VSCROLL | WS_HSCROLL, {2, 2, 81, 31}}}) {
    HWND window = Window(InsetClass(), WS_POPUP | c.style, 0, 0, 100, 50);
    EXPECT_TRUE(SameRect(skin::ClientRectInWindow(window), c.want)) << "style " << std::hex << c.style;
  }
  HWND edit = Window("EDIT", WS_POPUP, 0, 0, 100, 50, nullptr, WS_EX_CLIENTEDGE);
  EXPECT_TRUE(SameRect(skin::ClientRectInWindow(edit), {2, 2, 98, 48})) << "an edit with a client edge";
}

TEST_F(WindowTest, ClassAndStyleQuestions) {
  HWND top = Window("STATIC", WS_POPUP, 0, 0, 200, 200);
  struct Case {
    const char* className;
    DWORD style;
    const char* name;
    bool ownerDrawListBox;
    bool autoRadio;
  };
  for (const Case& c : {
           Case{"LISTBOX", LBS_OWNERDRAWFIXED, "ListBox", true, false},
           Case{"LISTBOX", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, "ListBox", true, false},
           Case{"LISTBOX", LBS_NOTIFY, "ListBox", false, false},
           Case{"BUTTON", BS_AUTORADIOBUTTON, "Button", false, true},
           Case{"BUTTON", BS_AUTORADIOBUTTON | BS_PUSHLIKE, "Button", false, true},
           Case{"BUTTON", BS_RADIOBUTTON, "Button", false, false},
           Case{"BUTTON", BS_AUTOCHECKBOX, "Button", false, false},
           Case{"BUTTON", BS_OWNERDRAW, "Button", false, false},  // 0xB: bit 0x2 set
           Case{"BUTTON", BS_GROUPBOX, "Button", false, false},
           Case{"STATIC", SS_OWNERDRAW, "Static", false, false},
       }) {
    HWND window = Child(top, 0, 0, 50, 50, c.className, c.style);
    SCOPED_TRACE(testing::Message() << c.className << " style " << std::hex << c.style);
    EXPECT_EQ(skin::WindowClassName(window), c.name);
    EXPECT_EQ(skin::IsOwnerDrawListBox(window), c.ownerDrawListBox);
    EXPECT_EQ(skin::IsAutoRadioButton(window), c.autoRadio);
  }
  EXPECT_EQ(skin::WindowClassName(Window(InsetClass(), WS_POPUP, 0, 0, 10, 10)), "QuizmoorInsetWindow");
}

TEST_F(WindowTest, ExcludeChildWindowsClipsOutVisibleOpaqueChildrenOnly) {
  HWND parent = Window("STATIC", WS_POPUP, 0, 0, 200, 100);
  Child(parent, 10, 10, 30, 30);                                  // visible
  Child(parent, 60, 10, 30, 30, "BUTTON", 0);                     // hidden
  Window("BUTTON", WS_CHILD | WS_VISIBLE, 110, 10, 30, 30, parent, WS_EX_TRANSPARENT);
  HWND panel = Child(parent, 150, 10, 40, 80, "STATIC");
  Child(panel, 0, 50, 10, 10);  // a grandchild: the panel's business, not the parent's
  Picture surface(200, 100, FramePattern);
  EXPECT_EQ(skin::ExcludeChildWindows(parent, surface.Dc()), surface.Dc());
  struct Case {
    const char* name;
    POINT point;
    bool clipped;
  };
  for (const Case& c : {Case{"visible child", {20, 20}, true}, Case{"hidden child", {70, 20}, false},
                        Case{"transparent child", {120, 20}, false}, Case{"panel", {170, 20}, true},
                        Case{"grandchild's rectangle taken in the parent's coordinates", {5, 55}, false},
                        Case{"outside every child", {5, 90}, false}}) {
    EXPECT_EQ(PtVisible(surface.Dc(), c.point.x, c.point.y) == FALSE, c.clipped) << c.name;
  }
}

// Wine's GDI handle table is finite: a window DC taken and never released would exhaust it.
TEST_F(WindowTest, ScopedExcludeChildWindowsReleasesTheDcItTakes) {
  HWND parent = Window("STATIC", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Child(parent, 10, 10, 30, 30);
  for (int round = 0; round < 70000; ++round) {
    skin::ScopedExcludeChildWindows dc(parent);
    ASSERT_NE(dc.Dc(), nullptr) << "round " << round;
  }
  EXPECT_EQ(NewGdiObjectsPossible(100), 100);
}

TEST_F(WindowTest, InvalidateVisibleChildrenGivesEveryVisibleChildAnUpdateRegion) {
  HWND parent = Window("STATIC", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
  HWND first = Child(parent, 10, 10, 30, 30, "STATIC");
  HWND second = Child(parent, 60, 10, 30, 30, "STATIC");
  UpdateWindow(parent);
  ValidateRect(first, nullptr);
  ValidateRect(second, nullptr);
  ASSERT_FALSE(GetUpdateRect(first, nullptr, FALSE));
  skin::InvalidateVisibleChildren(parent);
  EXPECT_TRUE(GetUpdateRect(first, nullptr, FALSE));
  EXPECT_TRUE(GetUpdateRect(second, nullptr, FALSE));
}

}  // namespace
