// Memory trimming: the carried tool written to the Windows directory and run against this process.
#include "skin/trim/memory_trim.h"

#include <cstring>
#include <memory>

#include "resources/trim_tool.h"
#include "runtime/byte_set.h"
#include "runtime/environment.h"
#include "runtime/process.h"
#include "runtime/unique_handle.h"

namespace skin {

namespace {

using runtime::ByteSet;
using runtime::Text;
using runtime::UniqueHandle;

ByteSet CarriedTool() { return ByteSet::FromLayout(resources::TrimToolImage); }

// The file at `path` opened for reading with writing and deletion refused to everyone else, when it
// holds exactly `tool`; an empty handle otherwise (including while another thread is still writing
// it, since the writer shares nothing).
UniqueHandle OpenIfCarriedTool(const Text& path, const ByteSet& tool) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || static_cast<ULONGLONG>(size.QuadPart) != tool.Size()) {
    return {};
  }
  const auto count = static_cast<DWORD>(tool.Size());
  const auto bytes = std::make_unique<uint8_t[]>(count);
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes.get(), count, &read, nullptr) || read != count ||
      std::memcmp(bytes.get(), tool.Data(), count) != 0) {
    return {};
  }
  return file;
}

}  // namespace

Text TrimToolPath() { return runtime::EnvironmentVariable("windir") + "\\empty.exe"; }

bool WriteTrimToolIfMissing(const Text& path) {
  const ByteSet tool = CarriedTool();
  bool written = false;
  {
    // CREATE_NEW fails when the file exists, so a thread that loses the race writes nothing; no
    // sharing, so nobody reads or runs the file before it is complete.
    const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD count = 0;
    const auto size = static_cast<DWORD>(tool.Size());
    written = WriteFile(file.Get(), tool.Data(), size, &count, nullptr) && count == size;
  }
  if (!written) DeleteFileA(path.c_str());
  return written;
}

void TrimMemory() {
  const Text path = TrimToolPath();
  WriteTrimToolIfMissing(path);
  // Held open until the tool has ended, so that the file that runs is the file that was checked.
  const UniqueHandle checked = OpenIfCarriedTool(path, CarriedTool());
  if (!checked) return;
  // The path quoted: a Windows directory with spaces in its name must not start another program.
  runtime::RunHiddenAndWait("\"" + path + "\" " + runtime::DecimalText(GetCurrentProcessId()));
}

DWORD WINAPI TrimMemoryThread(void*) {
  TrimMemory();
  return 0;
}

}  // namespace skin
