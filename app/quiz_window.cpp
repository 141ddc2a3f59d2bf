// The quiz window's description.
#include "app/quiz_window.h"

#include "app/quiz_handlers.h"

namespace quiz {

runtime::WindowDescription QuizWindow() {
  using runtime::ControlKind;
  runtime::WindowDescription window;
  window.caption = "Quizmoor---大神专用";
  window.left = 50;
  window.top = 50;
  window.width = 380;
  window.height = 250;
  window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  window.events.created = &OnCreated;
  window.events.willBeDestroyed = &OnWillBeDestroyed;

  window.controls = {
      {.name = kQuestionLabel, .kind = ControlKind::TransparentLabel, .left = 32, .top = 96,
       .width = 264, .height = 24, .caption = "您觉得您是无耻之徒智商低下的大淫魔么？"},
      {.name = kYesButton, .kind = ControlKind::PushButton, .left = 56, .top = 168, .width = 88,
       .height = 32, .caption = kYes,
       .events = {.clicked = &OnYesClicked, .mouseMoved = &OnYesMouseMoved}},
      {.name = kReadyLabel, .kind = ControlKind::TransparentLabel, .left = 16, .top = 64,
       .width = 112, .height = 24, .caption = "大神准备好了吗？"},
      {.name = kStartButton, .kind = ControlKind::PushButton, .left = 136, .top = 56,
       .width = 168, .height = 40, .caption = "开始测试", .events = {.clicked = &OnStartClicked}},
      {.name = kNoButton, .kind = ControlKind::PushButton, .left = 200, .top = 168, .width = 88,
       .height = 32, .caption = kNo,
       .events = {.clicked = &OnNoClicked, .mouseMoved = &OnNoMouseMoved}},
  };
  return window;
}

}  // namespace quiz
