// A small form for the runtime's form tests: a window with one button and one transparent label,
// whose handlers record what they see in a log.
#pragma once

#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/window_description.h"

namespace runtime::testing_window {

inline constexpr char kButton[] = "按钮";
inline constexpr char kLabel[] = "标签";

inline WindowDescription TestWindow(std::vector<std::string>& log) {
  WindowDescription window;
  window.caption = "测试窗口";
  window.left = 40;
  window.top = 40;
  window.width = 320;
  window.height = 200;
  window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  window.events.created = [&log](Form& form) {
    log.push_back("created: window shown " + std::to_string(IsWindowVisible(form.Handle())) +
                  ", button " + form.Caption(kButton));
  };
  window.events.willBeDestroyed = [&log](Form& form) {
    log.push_back("will be destroyed: window shown " + std::to_string(IsWindowVisible(form.Handle())));
  };
  window.controls = {
      {.name = kButton, .kind = ControlKind::PushButton, .left = 20, .top = 100, .width = 80,
       .height = 30, .caption = "按下",
       .events = {.clicked = [&log](Form&) { log.push_back("clicked"); },
                  .mouseMoved = [&log](Form&, int x, int y, unsigned keys) {
                    log.push_back("moved " + std::to_string(x) + "," + std::to_string(y) + " keys " +
                                  std::to_string(keys));
                  }}},
      {.name = kLabel, .kind = ControlKind::TransparentLabel, .left = 20, .top = 20, .width = 200,
       .height = 24, .caption = "标签文字"},
  };
  return window;
}

}  // namespace runtime::testing_window
