// empty.exe: the trimming tool. Empties the working set of one process, named by its id or by its
// task name (the executable's file name, such as quizmoor.exe).
//
// Exit code: 0 when the working set was emptied, 1 when it could not be, 2 for a wrong command line.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/unique_handle.h"

namespace {

using runtime::UniqueHandle;

// The id of the first running process whose executable file name is `name` (case ignored); 0 when
// none runs.
DWORD ProcessIdByName(const char* name) {
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (_stricmp(entry.szExeFile, name) == 0) return entry.th32ProcessID;
  }
  return 0;
}

// All decimal digits: a process id; anything else: a task name.
DWORD ProcessIdFromArgument(const char* argument) {
  if (std::strspn(argument, "0123456789") == std::strlen(argument)) {
    return static_cast<DWORD>(std::strtoul(argument, nullptr, 10));
  }
  return ProcessIdByName(argument);
}

bool EmptyWorkingSetOf(DWORD processId) {
  const UniqueHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_SET_QUOTA, FALSE, processId));
  // (SIZE_T)-1 for both limits: the system takes as many pages out of the working set as it can.
  return process && SetProcessWorkingSetSize(process.Get(), static_cast<SIZE_T>(-1),
                                             static_cast<SIZE_T>(-1));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::printf("USAGE: empty.exe {pid | task-name}\n");
    return 2;
  }
  const DWORD processId = ProcessIdFromArgument(argv[1]);
  if (!EmptyWorkingSetOf(processId)) {
    std::printf("could not empty working set for process #%d\n", static_cast<int>(processId));
    return 1;
  }
  return 0;
}
