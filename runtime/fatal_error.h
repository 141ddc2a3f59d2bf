// The runtime's fatal error: reported once, then the program ends with a non-zero exit code.
#pragma once

namespace runtime {

// Exit code of a program ended by a fatal runtime error.
inline constexpr unsigned kFatalExitCode = 3;

// Reports `message` on standard error when there is one, and in a message box in a GUI program;
// then ends the process with kFatalExitCode. Never returns.
[[noreturn]] void FatalError(const char* message);

}  // namespace runtime
