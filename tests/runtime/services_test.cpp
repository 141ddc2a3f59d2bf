// Files, environment variables, starting a program, and the random generator.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "runtime/environment.h"
#include "runtime/files.h"
#include "runtime/process.h"
#include "runtime/random.h"

namespace runtime {
namespace {

Text TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return Text(folder) + name;
}

Text ReadFile(const Text& path) {
  Text bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[256];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    std::fclose(file);
  }
  return bytes;
}

TEST(Files, WriteCreatesOrReplacesTheWholeFile) {
  const Text path = TempPath("runtime_files_test.bin");
  DeleteFileA(path.c_str());
  EXPECT_FALSE(FileExists(path));

  ASSERT_TRUE(WriteWholeFile(path, ByteSet("MZ\0\1long", 8)));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFile(path), Text("MZ\0\1long", 8));

  ASSERT_TRUE(WriteWholeFile(path, ByteSet("ab", 2)));
  EXPECT_EQ(ReadFile(path), "ab") << "a shorter write leaves nothing of the longer file";
  DeleteFileA(path.c_str());
}

TEST(Files, FolderIsNotAFileAndAnUnwritablePathFails) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  EXPECT_FALSE(FileExists(folder));
  EXPECT_FALSE(WriteWholeFile(TempPath("no such folder\\x.bin"), ByteSet("x", 1)));
}

TEST(Environment, ReadsSetVariablesAndGivesEmptyTextForMissingOnes) {
  SetEnvironmentVariableA("RUNTIME_TEST_VALUE", "C:\\windows");
  EXPECT_EQ(EnvironmentVariable("RUNTIME_TEST_VALUE"), "C:\\windows");
  SetEnvironmentVariableA("RUNTIME_TEST_VALUE", nullptr);
  EXPECT_EQ(EnvironmentVariable("RUNTIME_TEST_VALUE"), "");
}

TEST(Process, RunsTheProgramToItsEndOrReportsThatItCouldNotStart) {
  const Text path = TempPath("runtime_process_test.txt");
  DeleteFileA(path.c_str());
  // The file exists on return only when the call waited for the program to end.
  ASSERT_TRUE(RunHiddenAndWait("cmd.exe /c echo done> \"" + path + "\""));
  EXPECT_TRUE(FileExists(path));
  DeleteFileA(path.c_str());

  EXPECT_FALSE(RunHiddenAndWait("no_such_program_here.exe 42"));
}

TEST(UniformRandom, ReseedingRepeatsTheSequenceAndEveryValueInTheRangeComesUp) {
  UniformRandom random(7);
  std::vector<int> first;
  for (int i = 0; i < 50; ++i) first.push_back(random.Between(-2, 2));
  random.Reseed(7);
  std::vector<int> again;
  for (int i = 0; i < 50; ++i) again.push_back(random.Between(-2, 2));
  EXPECT_EQ(first, again);
  EXPECT_EQ(std::set<int>(first.begin(), first.end()), (std::set<int>{-2, -1, 0, 1, 2}));
}

}  // namespace
}  // namespace runtime
