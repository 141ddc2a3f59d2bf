// File existence and whole-file writing.
#include "runtime/files.h"

#include <windows.h>

#include "runtime/unique_handle.h"

namespace runtime {

bool FileExists(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteWholeFile(const Text& path, const ByteSet& bytes) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const auto size = static_cast<DWORD>(bytes.Size());
  return size == 0 || (WriteFile(file.Get(), bytes.Data(), size, &written, nullptr) && written == size);
}

}  // namespace runtime
