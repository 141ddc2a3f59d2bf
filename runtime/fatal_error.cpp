// Reporting of fatal runtime errors.
#include "runtime/fatal_error.h"

#include <windows.h>

#include <cstdio>

namespace runtime {
namespace {

// True for a program built for the GUI subsystem (no console of its own to report on).
bool IsGuiProgram() {
  const auto* image = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI;
}

}  // namespace

void FatalError(const char* message) {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error != nullptr && error != INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "fatal runtime error: %s\n", message);
    std::fflush(stderr);
  }
  if (IsGuiProgram()) MessageBoxA(nullptr, message, "运行时错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(kFatalExitCode);
}

}  // namespace runtime
