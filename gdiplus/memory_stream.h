// MemoryStream: a COM stream over a movable global memory block, for images read from and written to
// memory.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <optional>

#include "runtime/byte_set.h"

namespace gdip {

// Owns one stream and the block under it. The stream never frees the block (delete-on-release is
// off): Release frees both.
class MemoryStream {
 public:
  MemoryStream() = default;
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  ~MemoryStream() { Release(); }

  // Replaces the stream by one over a new zero-filled block holding the first `size` bytes of
  // `bytes` (default: all of them), positioned at 0. Returns the stream (null when none was made);
  // the stream stays owned by this object.
  IStream* CreateFromBytes(const runtime::ByteSet& bytes, std::optional<uint32_t> size = std::nullopt);
  // Releases the stream and frees the block; nothing happens when there is no stream.
  void Release();
  [[nodiscard]] SIZE_T BlockSize() const { return GlobalSize(Block()); }
  [[nodiscard]] IStream* GetStream() const { return stream_; }
  [[nodiscard]] HGLOBAL GetBlock() const { return Block(); }
  // Takes over the caller's reference to `stream`, which must have been made over a global block
  // without delete-on-release; true when the stream has a block.
  bool AttachStream(IStream* stream);
  // A copy of the whole block (empty for a block of size 0).
  [[nodiscard]] runtime::ByteSet ReadBytes() const;

 private:
  // The stream's block: a growing stream may reallocate the block it was made over.
  HGLOBAL Block() const;

  HGLOBAL block_ = nullptr;
  IStream* stream_ = nullptr;
};

}  // namespace gdip
