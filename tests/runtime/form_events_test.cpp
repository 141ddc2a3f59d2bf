// Events of a real form window: created, clicked, mouse moved, will be destroyed, and the exit routine.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/program.h"
#include "tests/runtime/form_test_window.h"

namespace runtime {
namespace {

using testing_window::kButton;
using testing_window::TestWindow;
using Log = std::vector<std::string>;

TEST(FormEvents, CreatedSeesTheControlsBeforeTheWindowIsShown) {
  Log log;
  Program program;
  Form& form = program.Load(TestWindow(log));
  EXPECT_EQ(log, Log{"created: window shown 0, button 按下"});
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  DestroyWindow(form.Handle());
  program.RunMessageLoop();
}

TEST(FormEvents, ButtonRaisesClickedAndMouseMovedWithPositionAndKeys) {
  Log log;
  Program program;
  Form& form = program.Load(TestWindow(log));
  log.clear();
  const HWND button = form.ControlHandle(kButton);
  SendMessageA(button, BM_CLICK, 0, 0);
  SendMessageA(button, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(7, 9));
  EXPECT_EQ(log, (Log{"clicked", "moved 7,9 keys " + std::to_string(MK_SHIFT)}));
  DestroyWindow(form.Handle());
  program.RunMessageLoop();
}

// However the window goes, the event comes once, and the loop then ends and runs the exit routine.
TEST(FormEvents, WillBeDestroyedComesOnceThenTheLoopEndsAndRunsTheExitRoutine) {
  const struct {
    const char* how;
    std::function<void(HWND)> close;
    const char* event;
  } cases[] = {
      {"WM_CLOSE", [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); },
       "will be destroyed: window shown 1"},
      {"system close", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
       "will be destroyed: window shown 1"},
      {"DestroyWindow", [](HWND w) { DestroyWindow(w); }, "will be destroyed: window shown 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Log log;
    Program program;
    program.SetExitRoutine([&log] { log.push_back("exit"); });
    Form& form = program.Load(TestWindow(log));
    log.clear();
    c.close(form.Handle());
    EXPECT_EQ(program.RunMessageLoop(), 0);
    EXPECT_EQ(log, (Log{c.event, "exit"}));
    EXPECT_EQ(form.Handle(), nullptr);
  }
}

}  // namespace
}  // namespace runtime
