// The engine object: its thunks reach it, its copy, its destructor, and the program-wide defaults.
#include "skin/engine/skin_engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "gdiplus/native_wrapper.h"
#include "runtime/system_values.h"
#include "skin/engine/settings.h"

namespace {

using skin::SkinEngine;

// An engine that records the title-button actions it is asked for.
class RecordingEngine : public SkinEngine {
 public:
  void TitleButtonAction(int recordIndex, int button) override {
    actions.push_back({this, recordIndex, button});
  }
  struct Action {
    const SkinEngine* engine;
    int recordIndex;
    int button;
    bool operator==(const Action&) const = default;
  };
  std::vector<Action> actions;
};

using ActionCall = void(CALLBACK*)(int, int);

// A top-level window whose class procedure logs what it receives.
struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Message&) const = default;
};
std::vector<Message> received;

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER) {
    received.push_back({message, wParam, lParam});
    return static_cast<LRESULT>(wParam + 1);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class Window {
 public:
  Window() {
    WNDCLASSA type{};
    type.lpfnWndProc = LoggingProc;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "EngineTestWindow";
    RegisterClassA(&type);  // fails harmlessly when registered already
    handle_ = CreateWindowExA(0, "EngineTestWindow", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() { DestroyWindow(handle_); }
  [[nodiscard]] HWND Get() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

TEST(SkinEngine, FrameProcedurePassesMessagesOnThroughHwhProc) {
  SkinEngine engine;
  const Window window;
  ASSERT_NE(window.Get(), nullptr);
  ASSERT_NE(engine.FrameProcedure(), nullptr);
  const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(engine.FrameProcedure())));
  SetPropA(window.Get(), "Hw_hProc", reinterpret_cast<HANDLE>(previous));
  received.clear();

  const WPARAM wide = static_cast<WPARAM>(-1) / 3;
  const LPARAM wideL = static_cast<LPARAM>(static_cast<WPARAM>(-1) / 5);
  EXPECT_EQ(SendMessageA(window.Get(), WM_USER + 7, wide, wideL), static_cast<LRESULT>(wide + 1));
  EXPECT_EQ(received, (std::vector<Message>{{WM_USER + 7, wide, wideL}}));

  // Put back before the engine and its thunk go.
  SetWindowLongPtrA(window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  RemovePropA(window.Get(), "Hw_hProc");
}

TEST(SkinEngine, ActionThunkReachesTheEngineAndACopysThunksStillCallTheFirst) {
  RecordingEngine engine;
  ASSERT_NE(engine.actionThunkAddress, 0);
  reinterpret_cast<ActionCall>(engine.actionThunkAddress)(2, 5);
  EXPECT_EQ(engine.actions, (std::vector<RecordingEngine::Action>{{&engine, 2, 5}}));

  engine.gripWidth = 3;
  engine.hoveredButton = 4;
  const SkinEngine copy(engine);
  EXPECT_EQ(copy.gripWidth, 3);
  EXPECT_EQ(copy.hoveredButton, 4);
  EXPECT_EQ(copy.frameThunk, engine.frameThunk);
  EXPECT_EQ(copy.actionThunk, engine.actionThunk);
  EXPECT_NE(copy.frameThunk.Data(), engine.frameThunk.Data());
  EXPECT_NE(copy.actionThunkAddress, engine.actionThunkAddress);
  EXPECT_NE(copy.FrameProcedure(), engine.FrameProcedure());

  reinterpret_cast<ActionCall>(copy.actionThunkAddress)(1, 3);
  EXPECT_EQ(engine.actions, (std::vector<RecordingEngine::Action>{{&engine, 2, 5}, {&engine, 1, 3}}));
}

TEST(SkinEngine, ThunkBytesNameTheEngineAndItsMethodCounts) {
  const SkinEngine engine;
  ASSERT_EQ(engine.frameThunk.Size(), 76u);  // four arguments
  ASSERT_EQ(engine.actionThunk.Size(), 76u);
  const uint32_t self = skin::X86Address(&engine);
  for (const runtime::ByteSet* thunk : {&engine.frameThunk, &engine.actionThunk}) {
    uint32_t object = 0;
    std::memcpy(&object, thunk->Data() + 4, sizeof object);
    EXPECT_EQ(object, self);
  }
  EXPECT_EQ(engine.frameThunk.Data()[74], 16);  // ret 16
  EXPECT_EQ(engine.actionThunk.Data()[74], 8);  // ret 8
}

TEST(SkinEngine, ConstructionTakesTheDefaultBackgroundColour) {
  skin::BackgroundColour = 0x123456;
  const SkinEngine engine;
  EXPECT_EQ(skin::BackgroundColour, runtime::DefaultBackgroundColour());
  EXPECT_EQ(engine.gripWidth, 0);
  EXPECT_EQ(engine.hoveredButton, 0);
}

HICON MakeIcon() {
  const BYTE andMask[4 * 4 / 8 * 2] = {};
  const BYTE xorMask[4 * 4 / 8 * 2] = {};
  return CreateIcon(GetModuleHandleA(nullptr), 4, 4, 1, 1, andMask, xorMask);
}

TEST(SkinEngine, DestructorDestroysAppIconAndStopsItsOwnGdiplusTokenOnce) {
  const HICON icon = MakeIcon();
  ASSERT_NE(icon, nullptr);
  skin::AppIcon = icon;
  skin::GdiplusToken = gdip::StartGdiplus();
  ASSERT_NE(skin::GdiplusToken, 0u);
  // Someone else's start-up is the latest: the engine must shut down its own token, not that one.
  const ULONG_PTR other = gdip::StartGdiplus();
  ASSERT_EQ(gdip::StartupToken, other);

  auto engine = std::make_unique<SkinEngine>();
  auto copy = std::make_unique<SkinEngine>(*engine);
  engine.reset();
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(icon, &info));
  EXPECT_EQ(skin::AppIcon, nullptr);
  EXPECT_EQ(skin::GdiplusToken, 0u);
  EXPECT_EQ(gdip::StartupToken, other);

  // The copy's destructor finds nothing left to release, and leaves the other start-up alone.
  copy.reset();
  EXPECT_EQ(gdip::StartupToken, other);
  gdip::StopGdiplus(other);
}

TEST(EngineSettings, ZeroAtLoadThenTheStartUpValues) {
  EXPECT_EQ(skin::FirstSizePending, 0);
  EXPECT_EQ(skin::SkinControls, 0);
  EXPECT_EQ(skin::ControlVeilAlpha, 0);
  EXPECT_EQ(skin::AccentColour, 0u);
  EXPECT_EQ(skin::TrackbarOption, 0);
  skin::WriteEngineDefaults();
  EXPECT_EQ(skin::FirstSizePending, 1);
  EXPECT_EQ(skin::SkinControls, 1);
  EXPECT_EQ(skin::ControlVeilAlpha, 160);
  EXPECT_EQ(skin::ControlVeilGiven, 0);
  EXPECT_EQ(skin::AccentColour, 0xDDCA22u);
  EXPECT_EQ(skin::TrackbarOption, 1);
  EXPECT_EQ(skin::BackgroundPictureMode, 0);
  EXPECT_TRUE(skin::BackgroundPicture.Empty());
}

}  // namespace
