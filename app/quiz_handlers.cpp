// The quiz's event handlers: the opening screen, the dodging answer button and the mocking messages.
#include "app/quiz_handlers.h"

#include "app/quiz_window.h"
#include "runtime/message_box.h"

namespace quiz {

int32_t DodgeCount = 0;
int32_t DodgeUp = 0;

namespace {

constexpr char kMessageTitle[] = "提示信息";
constexpr int kDodge = 35;         // pixels per jump
constexpr int kAnswerTop = 168;    // where the caught button stands
constexpr int32_t kLastDodge = 4;  // dodges before the button gives up

}  // namespace

// Shows the opening screen and starts the dodge state afresh.
void OnCreated(runtime::Form& form) {
  DodgeUp = 1;
  form.SetVisible(kReadyLabel, true);
  form.SetVisible(kStartButton, true);
  DodgeCount = 0;
  form.SetVisible(kQuestionLabel, false);
  form.SetVisible(kYesButton, false);
  form.SetVisible(kNoButton, false);
}

void OnWillBeDestroyed(runtime::Form&) {
  runtime::ShowMessage("关闭窗口也掩盖不了你是的事实", kMessageTitle);
}

// Starts the test: the question replaces the opening screen. The dodge state is left as it is.
void OnStartClicked(runtime::Form& form) {
  form.SetVisible(kReadyLabel, false);
  form.SetVisible(kStartButton, false);
  form.SetVisible(kQuestionLabel, true);
  form.SetVisible(kYesButton, true);
  form.SetVisible(kNoButton, true);
}

void OnYesClicked(runtime::Form&) { runtime::ShowMessage("我汗....这智商 这......", kMessageTitle); }

void OnNoClicked(runtime::Form&) { runtime::ShowMessage("我就知道你会选是的......", kMessageTitle); }

// Hovering the left button undoes a caption exchange.
void OnYesMouseMoved(runtime::Form& form, int, int, unsigned) {
  form.SetCaption(kNoButton, kNo);
  form.SetCaption(kYesButton, kYes);
}

// The dodge: four jumps, alternately up and down; after that the button stays put and trades
// captions with the left one.
void OnNoMouseMoved(runtime::Form& form, int, int, unsigned) {
  if (DodgeCount == kLastDodge) {
    form.SetTop(kNoButton, kAnswerTop);
    form.SetCaption(kNoButton, kYes);
    form.SetCaption(kYesButton, kNo);
    return;
  }
  const double top = form.Top(kNoButton);
  if (DodgeUp == 1) {
    form.SetTop(kNoButton, static_cast<int>(top - kDodge));  // truncates toward zero
    DodgeUp = 0;
  } else {
    form.SetTop(kNoButton, static_cast<int>(top + kDodge));
    DodgeUp = 1;
  }
  ++DodgeCount;
}

}  // namespace quiz
