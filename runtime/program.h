// Program: the form runtime of one process: window classes, loaded forms, message loop, exit routine.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "runtime/form.h"
#include "runtime/window_description.h"

namespace runtime {

// Constructing the Program initialises the runtime (registers its window classes); it owns every
// form it loads. One per process, on the user-interface thread.
class Program {
 public:
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // The routine run once when the message loop ends.
  void SetExitRoutine(std::function<void()> routine);

  // Creates the window and controls of `description`, raises the created event, shows the window.
  Form& Load(WindowDescription description);

  // Dispatches messages until the last loaded window is destroyed, then runs the exit routine.
  // Returns the program's exit code, 0.
  int RunMessageLoop();

 private:
  friend class Form;

  // RegisterClassExA on construction, UnregisterClassA on destruction.
  class ClassRegistration {
   public:
    explicit ClassRegistration(const WNDCLASSEXA& windowClass);
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;
    ~ClassRegistration();

   private:
    const char* name_;
    HINSTANCE instance_;
  };

  void FormWindowGone();

  const ClassRegistration formClass_;
  const ClassRegistration labelClass_;
  std::function<void()> exitRoutine_;
  std::vector<std::unique_ptr<Form>> forms_;
  int liveWindows_ = 0;
};

// Window class of form windows.
inline constexpr char kFormClass[] = "QuizmoorForm";

}  // namespace runtime
