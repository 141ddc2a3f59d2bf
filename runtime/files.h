// File existence and whole-file writing.
#pragma once

#include "runtime/byte_set.h"
#include "runtime/text.h"

namespace runtime {

// True when `path` names an existing file (not a directory).
bool FileExists(const Text& path);

// Creates or replaces the file at `path` with exactly `bytes`; true when every byte was written.
bool WriteWholeFile(const Text& path, const ByteSet& bytes);

}  // namespace runtime
