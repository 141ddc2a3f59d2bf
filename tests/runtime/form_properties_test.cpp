// Reading and writing control properties by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/fatal_error.h"
#include "runtime/program.h"
#include "tests/runtime/form_test_window.h"

namespace runtime {
namespace {

using testing_window::TestWindow;

class FormProperties : public ::testing::Test {
 protected:
  ~FormProperties() override {
    DestroyWindow(form_.Handle());
    program_.RunMessageLoop();  // takes the quit message that the window's end posts
  }
  std::vector<std::string> log_;
  Program program_;
  Form& form_ = program_.Load(TestWindow(log_));
};

TEST_F(FormProperties, EachControlKindReadsBackWhatWasWritten) {
  for (const char* control : {testing_window::kButton, testing_window::kLabel}) {
    SCOPED_TRACE(control);
    form_.SetTop(control, 133);
    EXPECT_EQ(form_.Top(control), 133);
    RECT rect{};
    GetWindowRect(form_.ControlHandle(control), &rect);
    MapWindowPoints(HWND_DESKTOP, form_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 20) << "only the top moves";
    EXPECT_EQ(rect.bottom - rect.top, control == testing_window::kButton ? 30 : 24);

    form_.SetCaption(control, "不是");
    EXPECT_EQ(form_.Caption(control), "不是");

    form_.SetVisible(control, false);
    EXPECT_FALSE(form_.Visible(control));
    form_.SetVisible(control, true);
    EXPECT_TRUE(form_.Visible(control));
  }
}

TEST_F(FormProperties, HandlesNameTheFormAndItsChildren) {
  EXPECT_EQ(WindowText(form_.Handle()), "测试窗口");
  const HWND button = form_.ControlHandle(testing_window::kButton);
  EXPECT_EQ(GetParent(button), form_.Handle());
  EXPECT_EQ(WindowText(button), "按下");
}

TEST_F(FormProperties, PropertiesOfADestroyedWindowDoNothing) {
  DestroyWindow(form_.Handle());
  EXPECT_EQ(form_.Handle(), nullptr);
  form_.SetTop(testing_window::kButton, 5);
  EXPECT_EQ(form_.Top(testing_window::kButton), 0);
  EXPECT_EQ(form_.Caption(testing_window::kButton), "");
  EXPECT_FALSE(form_.Visible(testing_window::kButton));
}

TEST_F(FormProperties, UnknownControlIsAFatalError) {
  EXPECT_EXIT((void)form_.Top("nope"), testing::ExitedWithCode(kFatalExitCode),
              "no control named nope");
}

}  // namespace
}  // namespace runtime
