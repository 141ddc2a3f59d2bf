// Memory trimming: on each deactivation of the application a short-lived thread writes the carried
// trimming tool to %windir%\empty.exe when no file stands there, and runs it, hidden, against this
// process, waiting until it ends.
#pragma once

#include <windows.h>

#include "runtime/text.h"

namespace skin {

// Where the tool is kept: the value of "windir" followed by "\empty.exe".
runtime::Text TrimToolPath();

// Creates the file at `path` holding the carried tool, unless a file stands there already. The
// create is exclusive, so of several threads arriving at once only one writes; true for that one.
// A write that fails part-way removes what it wrote.
bool WriteTrimToolIfMissing(const runtime::Text& path);

// One trimming: writes the tool when missing, then runs it with this process's id and waits for it.
// Only a file that holds exactly the carried tool is run; anything else at the path is left alone.
void TrimMemory();

// Thread procedure for SHCreateThread (no data): runs TrimMemory.
DWORD WINAPI TrimMemoryThread(void* unused);

}  // namespace skin
