// Starting another program hidden and waiting for it.
#include "runtime/process.h"

#include <windows.h>

#include "runtime/unique_handle.h"

namespace runtime {

bool RunHiddenAndWait(const Text& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  Text writable = commandLine;  // CreateProcessA may write into its command line
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);
  WaitForSingleObject(process.Get(), INFINITE);
  return true;
}

}  // namespace runtime
