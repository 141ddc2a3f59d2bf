// ByteSet: the runtime's counted byte buffer (dimension count 1, byte count, then the bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace runtime {

// Owns one heap block laid out as the runtime lays out byte sets: a 32-bit dimension count (always
// 1), a 32-bit byte count, then the bytes. An empty set holds no block. Copies are deep.
class ByteSet {
 public:
  ByteSet() = default;
  ByteSet(const void* bytes, size_t count) { Assign(bytes, count); }
  explicit ByteSet(size_t count) { Assign(nullptr, count); }  // zero-filled
  ByteSet(const ByteSet& other) { Assign(other.Data(), other.Size()); }
  ByteSet(ByteSet&&) noexcept = default;
  ByteSet& operator=(const ByteSet& other) {
    if (this != &other) Assign(other.Data(), other.Size());
    return *this;
  }
  ByteSet& operator=(ByteSet&&) noexcept = default;

  // A constant in the runtime's layout (as the build embeds pictures): its bytes are copied.
  static ByteSet FromLayout(const void* block) {
    const auto* header = static_cast<const uint32_t*>(block);
    return ByteSet(header + 2, header[1]);
  }

  [[nodiscard]] size_t Size() const { return block_ ? Header()[1] : 0; }
  [[nodiscard]] bool Empty() const { return Size() == 0; }
  uint8_t* Data() { return block_ ? block_.get() + kHeader : nullptr; }
  const uint8_t* Data() const { return block_ ? block_.get() + kHeader : nullptr; }
  // The whole block in the runtime's layout, or null when empty.
  const void* Layout() const { return block_.get(); }
  std::string_view View() const {
    return {reinterpret_cast<const char*>(Data()), Size()};
  }

  bool operator==(const ByteSet& other) const {
    return Size() == other.Size() && (Size() == 0 || std::memcmp(Data(), other.Data(), Size()) == 0);
  }

 private:
  static constexpr size_t kHeader = 8;
  const uint32_t* Header() const { return reinterpret_cast<const uint32_t*>(block_.get()); }

  void Assign(const void* bytes, size_t count) {
    if (count == 0) {
      block_.reset();
      return;
    }
    auto block = std::make_unique<uint8_t[]>(kHeader + count);  // zero-filled
    const uint32_t header[2] = {1, static_cast<uint32_t>(count)};
    std::memcpy(block.get(), header, kHeader);
    if (bytes) std::memcpy(block.get() + kHeader, bytes, count);
    block_ = std::move(block);
  }

  std::unique_ptr<uint8_t[]> block_;
};

}  // namespace runtime
