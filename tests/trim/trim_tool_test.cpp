// The carried trimming tool, run from the bytes the program holds: its command line, exit code and
// output.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/trim/trim_test_support.h"

namespace {

using trim_test::UniqueHandle;

struct Outcome {
  DWORD exitCode = 0xFFFFFFFF;
  std::string output;  // standard output and error, line ends as "\n"
};

// Runs `commandLine` with its output into a pipe, and waits for it.
Outcome RunCaptured(std::string commandLine) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return {};
  const UniqueHandle reader(readEnd);
  UniqueHandle writer(writeEnd);
  SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer.Get();
  startup.hStdError = writer.Get();
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info)) {
    return {};
  }
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);
  writer = UniqueHandle();  // the child holds the only write end: reading ends when it ends

  Outcome outcome;
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(reader.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    outcome.output.append(buffer, read);
  }
  WaitForSingleObject(process.Get(), INFINITE);
  GetExitCodeProcess(process.Get(), &outcome.exitCode);
  for (size_t at; (at = outcome.output.find("\r\n")) != std::string::npos;) outcome.output.erase(at, 1);
  return outcome;
}

class TrimTool : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trim_test::WriteBytes(path_, trim_test::CarriedTool()));
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }

  const std::string path_ =
      trim_test::TempFolder() + "qm-empty-" + std::to_string(GetCurrentProcessId()) + ".exe";
};

TEST(CarriedTool, IsAConsoleProgramForThisMachine) {
  const std::string tool = trim_test::CarriedTool();
  ASSERT_TRUE(tool.starts_with("MZ"));
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, tool.data(), sizeof dos);
  ASSERT_LT(static_cast<size_t>(dos.e_lfanew) + sizeof(IMAGE_NT_HEADERS), tool.size());
  IMAGE_NT_HEADERS nt;
  std::memcpy(&nt, tool.data() + dos.e_lfanew, sizeof nt);
  EXPECT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt.FileHeader.Machine, sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI);
}

TEST_F(TrimTool, EmptiesTheProcessNamedByIdOrTaskNameAndReportsWhatItCannot) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string pid = std::to_string(GetCurrentProcessId());
  const std::string usage = "USAGE: empty.exe {pid | task-name}\n";
  const struct {
    std::string arguments;
    DWORD exitCode;
    std::string output;
  } cases[] = {
      {pid, 0, ""},
      {PathFindFileNameA(self), 0, ""},  // this test program, by task name
      {"no-such-task.exe", 1, "could not empty working set for process #0\n"},
      {"0", 1, "could not empty working set for process #0\n"},
      {"", 2, usage},
      {pid + " " + pid, 2, usage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("arguments: " + c.arguments);
    const Outcome outcome = RunCaptured("\"" + path_ + "\" " + c.arguments);
    EXPECT_EQ(outcome.exitCode, c.exitCode);
    EXPECT_EQ(outcome.output, c.output);
  }
}

}  // namespace
