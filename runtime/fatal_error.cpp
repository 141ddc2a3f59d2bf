// Reporting of fatal runtime errors.
#include "runtime/fatal_error.h"

#include <windows.h>

#include <cstdio>

namespace runtime {

void FatalError(const char* message) {
  if (GetConsoleWindow() != nullptr || GetStdHandle(STD_ERROR_HANDLE) != nullptr) {
    std::fprintf(stderr, "fatal runtime error: %s\n", message);
    std::fflush(stderr);
  }
  if (GetConsoleWindow() == nullptr) {
    MessageBoxA(nullptr, message, "运行时错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
  ExitProcess(kFatalExitCode);
}

}  // namespace runtime
