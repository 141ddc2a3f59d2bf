// Program: registering the runtime's window classes, loading forms and running the message loop.
#include "runtime/program.h"

#include "runtime/transparent_label.h"

namespace runtime {
namespace {

WNDCLASSEXA FormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);  // a system brush: never deleted
  windowClass.lpszClassName = kFormClass;
  return windowClass;
}

}  // namespace

Program::ClassRegistration::ClassRegistration(const WNDCLASSEXA& windowClass)
    : name_(windowClass.lpszClassName), instance_(windowClass.hInstance) {
  RegisterClassExA(&windowClass);
}

Program::ClassRegistration::~ClassRegistration() { UnregisterClassA(name_, instance_); }

Program::Program()
    : formClass_(FormClass(GetModuleHandleA(nullptr), &Form::WindowProc)),
      labelClass_(TransparentLabelClass(GetModuleHandleA(nullptr))) {}

// Forms go first: a window still alive is destroyed while the classes are registered.
Program::~Program() { forms_.clear(); }

void Program::SetExitRoutine(std::function<void()> routine) { exitRoutine_ = std::move(routine); }

Form& Program::Load(WindowDescription description) {
  forms_.push_back(std::unique_ptr<Form>(new Form(*this, std::move(description))));
  return *forms_.back();
}

int Program::RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (exitRoutine_) exitRoutine_();
  return 0;
}

void Program::FormWindowGone() {
  if (--liveWindows_ == 0) PostQuitMessage(0);
}

}  // namespace runtime
