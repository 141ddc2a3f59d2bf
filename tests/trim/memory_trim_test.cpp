// Memory trimming with "windir" pointed at a temporary folder whose name holds a space: the tool is
// written once, exclusively, run only when it is ours, and started from the quoted path.
#include "skin/trim/memory_trim.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "tests/trim/trim_test_support.h"

namespace {

using trim_test::CarriedTool;
using trim_test::ChildWatcher;
using trim_test::ReadBytes;
using trim_test::UniqueHandle;
using trim_test::WriteBytes;

static_assert(std::is_same_v<decltype(&skin::TrimMemoryThread), LPTHREAD_START_ROUTINE>,
              "SHCreateThread takes the thread procedure");

// Names of the child processes seen, one per process.
std::vector<std::string> Names(const std::map<DWORD, std::string>& children) {
  std::vector<std::string> names;
  for (const auto& [pid, name] : children) names.push_back(name);
  return names;
}

class MemoryTrim : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFolder();  // what an interrupted earlier run may have left (wine reuses process ids)
    ASSERT_TRUE(CreateDirectoryA(windir_.c_str(), nullptr));
    // Where an unquoted command line would go first: "...\qmtrim<pid>" + ".exe". It runs if started.
    ASSERT_TRUE(WriteBytes(decoy_, CarriedTool()));
    char old[MAX_PATH] = {};
    hadWindir_ = GetEnvironmentVariableA("windir", old, MAX_PATH) > 0;
    oldWindir_ = old;
    SetEnvironmentVariableA("windir", windir_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("windir", hadWindir_ ? oldWindir_.c_str() : nullptr);
    RemoveFolder();
  }
  void RemoveFolder() const {
    DeleteFileA(tool_.c_str());
    DeleteFileA(decoy_.c_str());
    RemoveDirectoryA(windir_.c_str());
  }

  static FILETIME WriteTime(const std::string& path) {
    FILETIME written{};
    const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    GetFileTime(file.Get(), nullptr, nullptr, &written);
    return written;
  }

  const std::string stem_ = trim_test::TempFolder() + "qmtrim" + std::to_string(GetCurrentProcessId());
  const std::string windir_ = stem_ + " windows";
  const std::string decoy_ = stem_ + ".exe";
  const std::string tool_ = windir_ + "\\empty.exe";

 private:
  bool hadWindir_ = false;
  std::string oldWindir_;
};

TEST_F(MemoryTrim, ToolPathIsWindirAndEmptyExe) {
  EXPECT_EQ(skin::TrimToolPath(), tool_);
  SetEnvironmentVariableA("windir", nullptr);
  EXPECT_EQ(skin::TrimToolPath(), "\\empty.exe");
}

TEST_F(MemoryTrim, WritesTheMissingToolAndRunsItFromThePathWithSpaces) {
  ChildWatcher watcher;
  skin::TrimMemory();
  const auto& children = watcher.Stop();

  EXPECT_EQ(ReadBytes(tool_), CarriedTool());
  // Exactly one program ran, the tool itself; not the decoy the unquoted path would start.
  EXPECT_EQ(Names(children), std::vector<std::string>{"empty.exe"});
}

TEST_F(MemoryTrim, ReusesTheFileItWroteWithoutRewritingIt) {
  skin::TrimMemory();
  // Date the file back, so that any rewrite shows.
  const SYSTEMTIME longAgo = {2001, 1, 1, 1, 0, 0, 0, 0};
  FILETIME old{};
  ASSERT_TRUE(SystemTimeToFileTime(&longAgo, &old));
  {
    const UniqueHandle file(CreateFileA(tool_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &old));
  }

  ChildWatcher watcher;
  skin::TrimMemory();
  const auto& children = watcher.Stop();

  const FILETIME written = WriteTime(tool_);
  EXPECT_EQ(written.dwLowDateTime, old.dwLowDateTime);
  EXPECT_EQ(written.dwHighDateTime, old.dwHighDateTime);
  EXPECT_EQ(ReadBytes(tool_), CarriedTool());
  EXPECT_EQ(Names(children), std::vector<std::string>{"empty.exe"});
}

TEST_F(MemoryTrim, LeavesAForeignFileAloneAndRunsNothing) {
  // Each of these would run if started (a changed message in the DOS stub; extra bytes at the end).
  std::string patched = CarriedTool();
  const size_t stub = patched.find("This program cannot be run in DOS mode");
  ASSERT_NE(stub, std::string::npos);
  patched[stub] = 't';
  const struct {
    const char* name;
    std::string bytes;
  } foreign[] = {
      {"patched copy", patched},
      {"longer copy", CarriedTool() + "tail"},
      {"not a program", "MZ but nothing more"},
  };
  for (const auto& file : foreign) {
    SCOPED_TRACE(file.name);
    ASSERT_TRUE(WriteBytes(tool_, file.bytes));
    const FILETIME before = WriteTime(tool_);

    ChildWatcher watcher;
    skin::TrimMemory();
    const auto& children = watcher.Stop();

    EXPECT_EQ(ReadBytes(tool_), file.bytes);
    EXPECT_EQ(WriteTime(tool_).dwLowDateTime, before.dwLowDateTime);
    EXPECT_EQ(Names(children), std::vector<std::string>{});
  }
}

TEST_F(MemoryTrim, WritersArrivingTogetherWriteTheFileOnce) {
  // A test-then-write lets a late writer write over the first one in a few rounds out of a hundred.
  constexpr int kWriters = 16, kRounds = 100;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    DeleteFileA(tool_.c_str());
    // A manual-reset event releases every writer at once.
    const UniqueHandle start(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::vector<int> wrote(kWriters);
    std::vector<std::thread> writers;
    for (int i = 0; i < kWriters; ++i) {
      writers.emplace_back([&, i] {
        WaitForSingleObject(start.Get(), INFINITE);
        wrote[i] = skin::WriteTrimToolIfMissing(tool_);
      });
    }
    SetEvent(start.Get());
    for (std::thread& writer : writers) writer.join();

    int writes = 0;
    for (int w : wrote) writes += w;
    ASSERT_EQ(writes, 1);
    ASSERT_EQ(ReadBytes(tool_), CarriedTool());
  }
}

TEST_F(MemoryTrim, ThreadProcedureTrimsAndEnds) {
  ChildWatcher watcher;
  const UniqueHandle thread(CreateThread(nullptr, 0, skin::TrimMemoryThread, nullptr, 0, nullptr));
  ASSERT_TRUE(thread);
  ASSERT_EQ(WaitForSingleObject(thread.Get(), 60000), WAIT_OBJECT_0);
  const auto& children = watcher.Stop();

  DWORD exitCode = 1;
  GetExitCodeThread(thread.Get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(ReadBytes(tool_), CarriedTool());
  EXPECT_EQ(Names(children), std::vector<std::string>{"empty.exe"});
}

}  // namespace
