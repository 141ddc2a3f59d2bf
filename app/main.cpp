// The quiz program's entry routine.
#include <windows.h>

#include "app/quiz_window.h"
#include "runtime/program.h"

// Start-up, in order: initialise the form runtime, load the quiz window (its created event shows
// the opening screen), run the message loop until the window is gone.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  runtime::Program program;
  program.Load(quiz::QuizWindow());
  return program.RunMessageLoop();
}
