// Form: creating a window and its controls from a description, and raising their events.
#include "runtime/form.h"

#include <windowsx.h>

#include "runtime/fatal_error.h"
#include "runtime/program.h"
#include "runtime/transparent_label.h"

namespace runtime {
namespace {

// Property on a subclassed control: its Form::Control record.
constexpr char kControlProperty[] = "Rt_Control";

// The controls' font: a CJK font of 12 pixels (Wine maps it onto the installed CJK face).
HFONT CreateControlFont() {
  return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

}  // namespace

Form::Form(Program& program, WindowDescription description)
    : program_(program), description_(std::move(description)), font_(CreateControlFont()) {
  controls_.resize(description_.controls.size());
  for (size_t i = 0; i < controls_.size(); ++i) {
    controls_[i].form = this;
    controls_[i].description = &description_.controls[i];
  }
  // The window's own messages attach it (WM_NCCREATE) and make the controls (WM_CREATE).
  const HWND window = CreateWindowExA(
      0, kFormClass, description_.caption.c_str(), description_.style, description_.left,
      description_.top, description_.width, description_.height, nullptr, nullptr,
      GetModuleHandleA(nullptr), this);
  if (window == nullptr) FatalError("the form window could not be created");
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
}

Form::~Form() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->window_ = window;
    ++form->program_.liveWindows_;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      return form->OnCreate();
    case WM_COMMAND:
      if (form->OnCommand(wParam)) return 0;
      break;
    case WM_CLOSE:
      form->OnClose();  // DefWindowProcA then destroys the window
      break;
    case WM_DESTROY:
      form->OnDestroy();
      return 0;
    case WM_NCDESTROY:
      form->OnNcDestroy();
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Raises a subclassed control's mouse-moved event, then hands every message to its previous procedure.
LRESULT CALLBACK Form::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<Control*>(GetPropA(window, kControlProperty));
  const WNDPROC previous = control->previous;
  switch (message) {
    case WM_MOUSEMOVE:
      control->description->events.mouseMoved(*control->form, GET_X_LPARAM(lParam),
                                               GET_Y_LPARAM(lParam), static_cast<unsigned>(wParam));
      break;
    case WM_NCDESTROY:
      RemovePropA(window, kControlProperty);
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      break;
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

// WM_CREATE: every control in description order, then the created event; the window is not yet shown.
LRESULT Form::OnCreate() {
  for (size_t i = 0; i < controls_.size(); ++i) CreateControl(controls_[i], static_cast<int>(i) + 1);
  if (description_.events.created) description_.events.created(*this);
  return 0;
}

void Form::CreateControl(Control& control, int id) {
  const ControlDescription& description = *control.description;
  const bool label = description.kind == ControlKind::TransparentLabel;
  const DWORD style = WS_CHILD | (description.visible ? WS_VISIBLE : 0) |
                      (label ? 0 : WS_TABSTOP | BS_PUSHBUTTON) | description.style;
  control.window = CreateWindowExA(
      label ? WS_EX_TRANSPARENT : 0, label ? kTransparentLabelClass : "BUTTON",
      description.caption.c_str(), style, description.left, description.top, description.width,
      description.height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleA(nullptr), nullptr);
  if (control.window == nullptr) return;
  SendMessageA(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  if (description.events.mouseMoved) {
    SetPropA(control.window, kControlProperty, &control);
    control.previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::ControlProc)));
  }
}

// WM_COMMAND: BN_CLICKED from a push button raises its clicked event. False when not handled.
bool Form::OnCommand(WPARAM wParam) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED || id < 1 || id > static_cast<int>(controls_.size())) return false;
  const ControlDescription& description = *controls_[id - 1].description;
  if (description.kind != ControlKind::PushButton || !description.events.clicked) return false;
  description.events.clicked(*this);
  return true;
}

// WM_CLOSE: the event is raised here, while the window is still on screen, rather than at
// WM_DESTROY, by which time the system has already hidden it.
void Form::OnClose() { RaiseWillBeDestroyed(); }

// WM_DESTROY: reached without WM_CLOSE when the window is destroyed directly.
void Form::OnDestroy() { RaiseWillBeDestroyed(); }

// WM_NCDESTROY: the controls are gone already.
void Form::OnNcDestroy() {
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  for (Control& control : controls_) control.window = nullptr;
  program_.FormWindowGone();
}

void Form::RaiseWillBeDestroyed() {
  if (willBeDestroyedRaised_) return;
  willBeDestroyedRaised_ = true;
  if (description_.events.willBeDestroyed) description_.events.willBeDestroyed(*this);
}

const Form::Control& Form::Find(std::string_view name) const {
  for (const Control& control : controls_) {
    if (control.description->name == name) return control;
  }
  FatalError(("the window has no control named " + Text(name)).c_str());
}

HWND Form::ControlHandle(std::string_view control) const { return Find(control).window; }

}  // namespace runtime
