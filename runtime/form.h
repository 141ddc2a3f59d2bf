// Form: a window made from a window description; raises its events and reads and writes the
// properties of its controls.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "runtime/scoped_gdi.h"
#include "runtime/text.h"
#include "runtime/window_description.h"

namespace runtime {

class Program;

// One form window and its controls. Made by Program::Load, which keeps it for the program's life;
// the window itself lives until it is closed or destroyed, after which Handle() is null and the
// property operations do nothing (reads give 0, "" and false).
class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form();  // destroys the window if it still exists

  // The form window; null once it has been destroyed.
  [[nodiscard]] HWND Handle() const { return window_; }
  // The control named `control`; a fatal error when the description has no such control.
  [[nodiscard]] HWND ControlHandle(std::string_view control) const;

  // Control properties by name (runtime/form_properties.cpp). Top is in client coordinates.
  [[nodiscard]] int Top(std::string_view control) const;
  void SetTop(std::string_view control, int top);
  [[nodiscard]] Text Caption(std::string_view control) const;
  void SetCaption(std::string_view control, const Text& caption);
  [[nodiscard]] bool Visible(std::string_view control) const;
  void SetVisible(std::string_view control, bool visible);

 private:
  friend class Program;

  struct Control {
    Form* form = nullptr;
    const ControlDescription* description = nullptr;
    HWND window = nullptr;
    WNDPROC previous = nullptr;  // set when the runtime subclasses the control
  };

  Form(Program& program, WindowDescription description);

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Window messages, in the order the window receives them.
  LRESULT OnCreate();
  bool OnCommand(WPARAM wParam);
  void OnClose();
  void OnDestroy();
  void OnNcDestroy();

  void CreateControl(Control& control, int id);
  void RaiseWillBeDestroyed();
  const Control& Find(std::string_view name) const;

  Program& program_;
  const WindowDescription description_;
  OwnedFont font_;  // the controls' font
  HWND window_ = nullptr;
  std::vector<Control> controls_;  // sized once, so the subclassed controls can point into it
  bool willBeDestroyedRaised_ = false;
};

}  // namespace runtime
