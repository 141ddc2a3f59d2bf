// MemoryStream: stream creation over a copy of a byte set, release, and reading the block back.
#include "gdiplus/memory_stream.h"

#include <objbase.h>

namespace gdip {

IStream* MemoryStream::CreateFromBytes(const runtime::ByteSet& bytes, std::optional<uint32_t> size) {
  Release();
  const SIZE_T count = size.value_or(static_cast<uint32_t>(bytes.Size()));
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, count);
  if (block == nullptr) return nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream_))) {
    stream_ = nullptr;
    GlobalFree(block);
    return nullptr;
  }
  block_ = block;
  if (count > 0 && bytes.Data() != nullptr) {
    if (void* locked = GlobalLock(block_)) {
      // Through the process-memory copy, an unreadable source leaves the block zero-filled instead
      // of faulting.
      WriteProcessMemory(GetCurrentProcess(), locked, bytes.Data(), count, nullptr);
      GlobalUnlock(block_);
    }
  }
  return stream_;
}

void MemoryStream::Release() {
  if (stream_ == nullptr) return;
  HGLOBAL block = Block();
  stream_->Release();
  GlobalFree(block);
  block_ = nullptr;
  stream_ = nullptr;
}

bool MemoryStream::AttachStream(IStream* stream) {
  Release();
  GetHGlobalFromStream(stream, &block_);
  stream_ = stream;
  return block_ != nullptr;
}

runtime::ByteSet MemoryStream::ReadBytes() const {
  HGLOBAL block = Block();
  const SIZE_T size = block ? GlobalSize(block) : 0;
  if (size == 0) return {};
  const void* locked = GlobalLock(block);
  if (locked == nullptr) return {};
  runtime::ByteSet copy(locked, size);
  GlobalUnlock(block);
  return copy;
}

HGLOBAL MemoryStream::Block() const {
  HGLOBAL current = nullptr;
  if (stream_ != nullptr && SUCCEEDED(GetHGlobalFromStream(stream_, &current))) return current;
  return block_;
}

}  // namespace gdip
