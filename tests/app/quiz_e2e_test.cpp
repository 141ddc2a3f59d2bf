// The quiz program from outside: started as its own process, driven with real pointer input, its
// state read back from its windows and message boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/text.h"
#include "runtime/unique_handle.h"

namespace {

using runtime::Text;
using runtime::WindowText;

constexpr char kWindowTitle[] = "Quizmoor---大神专用";
constexpr char kMessageTitle[] = "提示信息";

// Polls `condition` until it holds or `milliseconds` have passed.
bool WaitFor(const std::function<bool()>& condition, ULONGLONG milliseconds = 10000) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (!condition()) {
    if (GetTickCount64() > deadline) return false;
    Sleep(20);
  }
  return true;
}

Text ProgramBesideThisTest() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  Text folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + "quizmoor.exe";
}

// Top-level windows of process `pid` with window class `windowClass` (any class when null) and
// title `title`.
std::vector<HWND> TopLevelWindows(DWORD pid, const char* windowClass, const Text& title) {
  struct Search {
    DWORD pid;
    const char* windowClass;
    const Text& title;
    std::vector<HWND> found;
  } search{pid, windowClass, title, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char className[64] = "";
        GetClassNameA(window, className, sizeof className);
        if (owner == s.pid && IsWindowVisible(window) && WindowText(window) == s.title &&
            (!s.windowClass || Text(className) == s.windowClass)) {
          s.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The texts of a message box's static controls (its message; the icon, if any, has none).
Text MessageBoxText(HWND box) {
  Text text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0) *reinterpret_cast<Text*>(data) += WindowText(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

void SendMouseButton(DWORD down, DWORD up) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  SendInput(2, inputs, sizeof(INPUT));
}

// One running quiz program.
class Quiz : public ::testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const Text program = ProgramBesideThisTest();
    ASSERT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &info))
        << program;
    process_ = runtime::UniqueHandle(info.hProcess);
    runtime::UniqueHandle thread(info.hThread);
    pid_ = info.dwProcessId;
    ASSERT_TRUE(WaitFor([&] { return !TopLevelWindows(pid_, nullptr, kWindowTitle).empty(); }, 30000));
    window_ = TopLevelWindows(pid_, nullptr, kWindowTitle).front();
    // The controls, found by their first captions.
    ready_ = Child("大神准备好了吗？");
    start_ = Child("开始测试");
    question_ = Child("您觉得您是无耻之徒智商低下的大淫魔么？");
    yes_ = Child("是");
    no_ = Child("不是");
  }

  void TearDown() override {
    if (Running()) {
      TerminateProcess(process_.Get(), 1);
      WaitForSingleObject(process_.Get(), 10000);
    }
  }

  HWND Child(const char* caption) {
    const HWND child = FindWindowExA(window_, nullptr, nullptr, caption);
    EXPECT_NE(child, nullptr) << "no control captioned " << caption;
    return child;
  }

  bool Running() { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

  int Top(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(window_, &corner);
    return corner.y;
  }

  // Moves the pointer onto the middle of `control`.
  static void PointAt(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }

  static void Click(HWND control) {
    PointAt(control);
    SendMouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  }

  HWND MessageBoxShown() {
    const auto boxes = TopLevelWindows(pid_, "#32770", kMessageTitle);
    return boxes.empty() ? nullptr : boxes.front();
  }

  // Waits for the quiz's message box, returns its text and dismisses it with OK. The box is modal:
  // the quiz window takes no input while it is up.
  Text TakeMessage() {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = MessageBoxShown()) != nullptr; })) return "(no message box)";
    EXPECT_FALSE(IsWindowEnabled(window_));
    const Text text = MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    return text;
  }

  bool Captions(const char* left, const char* right) {
    return WindowText(yes_) == left && WindowText(no_) == right;
  }

  runtime::UniqueHandle process_;
  DWORD pid_ = 0;
  HWND window_ = nullptr;
  HWND ready_ = nullptr, start_ = nullptr, question_ = nullptr, yes_ = nullptr, no_ = nullptr;
};

TEST_F(Quiz, OpensOnTheReadyQuestionAndTheStartButton) {
  EXPECT_TRUE(IsWindowVisible(ready_));
  EXPECT_TRUE(IsWindowVisible(start_));
  EXPECT_FALSE(IsWindowVisible(question_));
  EXPECT_FALSE(IsWindowVisible(yes_));
  EXPECT_FALSE(IsWindowVisible(no_));
  EXPECT_EQ(Top(no_), 168);
}

TEST_F(Quiz, NoButtonDodgesFourTimesThenTradesCaptionsAndEveryAnswerMocks) {
  Click(start_);
  ASSERT_TRUE(WaitFor([&] {
    return IsWindowVisible(question_) && IsWindowVisible(yes_) && IsWindowVisible(no_) &&
           !IsWindowVisible(ready_) && !IsWindowVisible(start_);
  }));

  for (const int expectedTop : {133, 168, 133, 168}) {
    SCOPED_TRACE(expectedTop);
    PointAt(no_);
    ASSERT_TRUE(WaitFor([&] { return Top(no_) == expectedTop; })) << "top is " << Top(no_);
  }

  PointAt(no_);  // the fifth move: caught
  ASSERT_TRUE(WaitFor([&] { return Captions("不是", "是"); }));
  EXPECT_EQ(Top(no_), 168);

  PointAt(yes_);
  ASSERT_TRUE(WaitFor([&] { return Captions("是", "不是"); }));
  Click(yes_);
  EXPECT_EQ(TakeMessage(), "我汗....这智商 这......");

  PointAt(no_);  // caught again, without a jump
  ASSERT_TRUE(WaitFor([&] { return Captions("不是", "是"); }));
  EXPECT_EQ(Top(no_), 168);
  Click(no_);
  EXPECT_EQ(TakeMessage(), "我就知道你会选是的......");
  EXPECT_EQ(Top(no_), 168);
}

struct CloseCase {
  const char* how;
  UINT message;
  WPARAM wParam;
};

void PrintTo(const CloseCase& closing, std::ostream* out) { *out << closing.how; }

class QuizClosing : public Quiz, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(QuizClosing, ShowsTheClosingMessageOnceThenEndsWithExitCodeZero) {
  PostMessageA(window_, GetParam().message, GetParam().wParam, 0);
  EXPECT_EQ(TakeMessage(), "关闭窗口也掩盖不了你是的事实");

  int later = 0;  // boxes after the first one, until the program has ended
  ASSERT_TRUE(WaitFor([&] {
    if (MessageBoxShown() != nullptr) {
      ++later;
      TakeMessage();
    }
    return !Running();
  }, 20000));
  EXPECT_EQ(later, 0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.Get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, QuizClosing,
                         ::testing::Values(CloseCase{"WM_CLOSE", WM_CLOSE, 0},
                                           CloseCase{"SystemClose", WM_SYSCOMMAND, SC_CLOSE}),
                         [](const auto& info) { return std::string(info.param.how); });

}  // namespace
