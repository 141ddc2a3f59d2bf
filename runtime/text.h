// Text values of the runtime: byte strings in the ANSI code page, which for this program is GBK (936).
//
// Chinese literals: every target whose sources hold Chinese literals compiles with
// -fexec-charset=GBK (CMake: quizmoor_gbk_literals(target), runtime/CMakeLists.txt). Sources stay
// UTF-8; a literal such as "提示信息" is GBK bytes in the program and goes to the ANSI (...A) Win32
// calls unchanged. Nothing converts text at run time. A message printed from such a target (a test's
// failure message, a fatal error on standard error) is GBK on a UTF-8 terminal. Such a target cannot
// include <chrono> (GCC 12's holds a character that GBK lacks); it measures time with GetTickCount64.
#pragma once

#include <windows.h>

#include <string>

namespace runtime {

// GBK text; owns its bytes.
using Text = std::string;

// `value` in decimal, with a leading '-' when negative.
Text DecimalText(long long value);

// The text of window `window` (its caption); empty when it has none or the handle is not a window.
Text WindowText(HWND window);

}  // namespace runtime
