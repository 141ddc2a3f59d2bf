// The tooltip wrapper: its window, its owner, and the tools it adds, moves and re-texts.
#include "gdiplus/tooltip.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using gdip::ToolTip;

namespace {

constexpr char kOwnerClass[] = "QuizmoorToolTipOwner";
constexpr char kCallbackText[] = "from the owner";

// Answers the tooltip's text requests for callback tools.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    if (info->hdr.code == TTN_GETDISPINFOA) {
      info->lpszText = const_cast<char*>(kCallbackText);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level owner window of a class registered for the test program; destroyed when it goes
// unless the test destroyed it first.
class OwnerWindow {
 public:
  OwnerWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    window_ = CreateWindowExA(0, kOwnerClass, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  ~OwnerWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  HWND Get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

class ToolTipOfAWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(owner.Get(), nullptr);
    ASSERT_NE(tip.Create(owner.Get()), nullptr);
  }

  // The tool (owner, id) as the tooltip holds it; false when it holds none.
  bool Tool(UINT_PTR id, RECT& rect, std::string& text) const {
    char buffer[256] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = owner.Get();
    tool.uId = id;
    if (!SendMessageA(tip.GetHandle(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) {
      return false;
    }
    EXPECT_TRUE(tool.uFlags & TTF_SUBCLASS);
    rect = tool.rect;
    tool.lpszText = buffer;
    SendMessageA(tip.GetHandle(), TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&tool));
    text = buffer;
    return true;
  }
  LRESULT ToolCount() const { return SendMessageA(tip.GetHandle(), TTM_GETTOOLCOUNT, 0, 0); }

  OwnerWindow owner;
  ToolTip tip;
};

TEST(ToolTip, HasNoWindowBeforeCreate) {
  const ToolTip tip;
  EXPECT_EQ(tip.GetHandle(), nullptr);
}

TEST(ToolTip, WindowStyleAndOwner) {
  struct Case {
    bool balloon;
    LONG bits;  // of TTS_ALWAYSTIP | TTS_BALLOON
  };
  for (const Case c : {Case{false, 0x01}, Case{true, 0x41}}) {
    SCOPED_TRACE(c.balloon ? "balloon" : "rectangular");
    OwnerWindow owner;
    ToolTip tip;
    const HWND window = tip.Create(owner.Get(), c.balloon);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tip.GetHandle(), window);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STRCASEEQ(className, TOOLTIPS_CLASSA);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & 0x41, c.bits);
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner.Get());
    EXPECT_EQ(GetParent(window), owner.Get());
  }
}

TEST(ToolTip, DestroyingTheOwnerDestroysTheTooltipWindowOfEveryCopy) {
  OwnerWindow owner;
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.Get()), nullptr);
  tip.AddTool(RECT{0, 0, 10, 10}, "tip", 1);
  const ToolTip copy = tip;
  const HWND window = copy.GetHandle();
  ASSERT_TRUE(IsWindow(window));
  DestroyWindow(owner.Get());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(copy.GetHandle(), tip.GetHandle());
}

TEST_F(ToolTipOfAWindow, ToolsAreAddedMovedReTextedAndDeleted) {
  tip.AddTool(RECT{1, 2, 30, 40}, "first", 7);
  tip.AddTool(RECT{50, 0, 80, 20}, "second", 8);
  ASSERT_EQ(ToolCount(), 2);

  RECT rect{};
  std::string text;
  ASSERT_TRUE(Tool(7, rect, text));
  EXPECT_EQ(text, "first");
  EXPECT_EQ(rect.left, 1);
  EXPECT_EQ(rect.top, 2);
  EXPECT_EQ(rect.right, 30);
  EXPECT_EQ(rect.bottom, 40);

  tip.SetToolRect(7, RECT{5, 6, 70, 80});
  tip.SetToolText(7, "\xCA\xC7");  // 是
  ASSERT_TRUE(Tool(7, rect, text));
  EXPECT_EQ(text, "\xCA\xC7");
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 6);
  EXPECT_EQ(rect.right, 70);
  EXPECT_EQ(rect.bottom, 80);
  // The other tool is untouched.
  ASSERT_TRUE(Tool(8, rect, text));
  EXPECT_EQ(text, "second");
  EXPECT_EQ(rect.left, 50);

  tip.DeleteTool(7);
  EXPECT_EQ(ToolCount(), 1);
  EXPECT_FALSE(Tool(7, rect, text));
}

TEST_F(ToolTipOfAWindow, ReTextingAnUnknownToolAddsNothing) {
  tip.AddTool(RECT{0, 0, 10, 10}, "only", 1);
  tip.SetToolText(99, "stray");
  tip.SetToolRect(99, RECT{0, 0, 5, 5});
  EXPECT_EQ(ToolCount(), 1);
  RECT rect{};
  std::string text;
  EXPECT_FALSE(Tool(99, rect, text));
  ASSERT_TRUE(Tool(1, rect, text));
  EXPECT_EQ(text, "only");
}

TEST_F(ToolTipOfAWindow, ACopyDrivesTheSameWindow) {
  ToolTip copy = tip;
  copy.AddTool(RECT{0, 0, 10, 10}, "added through the copy", 3);
  RECT rect{};
  std::string text;
  ASSERT_TRUE(Tool(3, rect, text));
  EXPECT_EQ(text, "added through the copy");
}

TEST_F(ToolTipOfAWindow, CallbackToolsAskTheOwnerForTheirText) {
  tip.AddCallbackTool(RECT{0, 0, 10, 10}, 4);
  RECT rect{};
  std::string text;
  ASSERT_TRUE(Tool(4, rect, text));
  EXPECT_EQ(text, kCallbackText);
}

TEST_F(ToolTipOfAWindow, ColoursAndWidthReachTheTooltip) {
  tip.SetBackColour(RGB(1, 2, 3));
  tip.SetTextColour(RGB(4, 5, 6));
  EXPECT_EQ(SendMessageA(tip.GetHandle(), TTM_GETTIPBKCOLOR, 0, 0), RGB(1, 2, 3));
  EXPECT_EQ(SendMessageA(tip.GetHandle(), TTM_GETTIPTEXTCOLOR, 0, 0), RGB(4, 5, 6));
  tip.SetMaxWidth(200);
  EXPECT_EQ(tip.SetMaxWidth(150), 200);  // the previous width
  EXPECT_EQ(SendMessageA(tip.GetHandle(), TTM_GETMAXTIPWIDTH, 0, 0), 150);
}

}  // namespace
