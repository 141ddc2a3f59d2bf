// Thunks: the x86 bytes, the x64 stub of the 64-bit build, and the executable memory they run in.
#include "skin/engine/thunk.h"

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace skin {

namespace {

constexpr int kMaxArgumentBytes = 1024;

class CodeWriter {
 public:
  void Bytes(std::initializer_list<uint8_t> bytes) {
    for (const uint8_t byte : bytes) code_.push_back(byte);
  }
  void U16(uint16_t value) { Raw(&value, sizeof value); }
  void U32(uint32_t value) { Raw(&value, sizeof value); }
  void U64(uint64_t value) { Raw(&value, sizeof value); }
  [[nodiscard]] size_t Size() const { return code_.size(); }
  void PadTo(size_t size) { code_.resize(size, 0); }
  void Append(const CodeWriter& other) {
    for (const uint8_t byte : other.code_) code_.push_back(byte);
  }
  [[nodiscard]] runtime::ByteSet Result() const { return {code_.data(), code_.size()}; }

 private:
  void Raw(const void* value, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(value);
    for (size_t i = 0; i < size; ++i) code_.push_back(bytes[i]);
  }

  std::vector<uint8_t> code_;
};

bool ArgumentCountAllowed(int argumentCount) {
  return argumentCount >= 0 && argumentCount <= kMaxArgumentBytes / 4;
}

#if defined(_M_IX86) || defined(__i386__)

constexpr size_t kCodeOffset = 0;

runtime::ByteSet BuildImage(const void* object, const void* method, int argumentCount) {
  return BuildX86Thunk(X86Address(object), X86Address(method), argumentCount);
}

#else

// Layout of the x64 block: the function-table entry and unwind data that let the system walk the
// stack through the stub, the object cell, the entry's address, then the code.
constexpr size_t kFunctionOffset = 0;
constexpr size_t kUnwindOffset = 12;
constexpr size_t kCellOffset = 24;
constexpr size_t kMethodOffset = 32;
constexpr size_t kCodeOffset = 40;
constexpr uint8_t kPrologSize = 7;  // sub rsp, imm32

// Bytes from the end of an instruction ending at `next` (block offset) to `target` (block offset).
uint32_t RipDisplacement(size_t target, size_t next) {
  return static_cast<uint32_t>(static_cast<int32_t>(target) - static_cast<int32_t>(next));
}

runtime::ByteSet BuildImage(const void* object, const void* method, int argumentCount) {
  if (!method || !ArgumentCountAllowed(argumentCount)) return {};
  const int n = argumentCount;
  // The entry takes n + 1 arguments: 32 bytes of home space for the register ones, then one slot
  // per stack argument. rsp is 8 past a 16-byte boundary on entry, so the frame size is too.
  uint32_t frame = 0x20 + 8 * static_cast<uint32_t>(n > 3 ? n - 3 : 0);
  if (frame % 16 != 8) frame += 8;

  CodeWriter code;
  code.Bytes({0x48, 0x81, 0xEC});  // sub rsp, frame
  code.U32(frame);
  for (int i = 4; i < n; ++i) {  // stack argument i becomes the entry's argument i + 1
    code.Bytes({0x48, 0x8B, 0x84, 0x24});  // mov rax, [rsp + incoming slot]
    code.U32(frame + 8 + 8 * static_cast<uint32_t>(i));
    code.Bytes({0x48, 0x89, 0x84, 0x24});  // mov [rsp + outgoing slot], rax
    code.U32(8 * static_cast<uint32_t>(i + 1));
  }
  if (n >= 4) code.Bytes({0x4C, 0x89, 0x4C, 0x24, 0x20});  // mov [rsp+0x20], r9
  code.Bytes({0x4D, 0x89, 0xC1});                          // mov r9, r8
  code.Bytes({0x49, 0x89, 0xD0});                          // mov r8, rdx
  code.Bytes({0x48, 0x89, 0xCA});                          // mov rdx, rcx
  code.Bytes({0x48, 0x8D, 0x0D});                          // lea rcx, [rip + cell]
  code.U32(RipDisplacement(kCellOffset, kCodeOffset + code.Size() + 4));
  code.Bytes({0xFF, 0x15});  // call [rip + entry]
  code.U32(RipDisplacement(kMethodOffset, kCodeOffset + code.Size() + 4));
  code.Bytes({0x48, 0x81, 0xC4});  // add rsp, frame
  code.U32(frame);
  code.Bytes({0xC3});  // ret

  CodeWriter image;
  // RUNTIME_FUNCTION: begin, end, unwind data (offsets in the block).
  image.U32(kCodeOffset);
  image.U32(static_cast<uint32_t>(kCodeOffset + code.Size()));
  image.U32(kUnwindOffset);
  // UNWIND_INFO version 1, no flags, prolog size, two code slots, no frame register;
  // UWOP_ALLOC_LARGE with the size in 8-byte units in the next slot.
  image.Bytes({0x01, kPrologSize, 0x02, 0x00, kPrologSize, 0x01});
  image.U16(static_cast<uint16_t>(frame / 8));
  image.PadTo(kCellOffset);
  image.U64(reinterpret_cast<uintptr_t>(object));
  image.U64(reinterpret_cast<uintptr_t>(method));
  image.Append(code);
  return image.Result();
}

#endif

}  // namespace

runtime::ByteSet BuildX86Thunk(uint32_t object, uint32_t method, int argumentCount,
                               ThunkOptions options) {
  if (method == 0 || !ArgumentCountAllowed(argumentCount)) return {};
  const uint32_t argumentBytes = 4 * static_cast<uint32_t>(argumentCount);
  CodeWriter code;
  code.Bytes({0x55, 0x8B, 0xEC});  // push ebp; mov ebp, esp
  code.Bytes({0x68});              // push object: the cell at [ebp-4]
  code.U32(object);
  code.Bytes({0x53, 0x51, 0x56, 0x57});        // push ebx, ecx, esi, edi
  code.Bytes({0x6A, 0x00, 0xD9, 0x3C, 0x24});  // push 0; fnstcw [esp]
  code.Bytes({0xDB, 0xE3});                    // fninit
  if (argumentCount > 0) {
    code.Bytes({0xB9});  // mov ecx, argument bytes
    code.U32(argumentBytes);
    code.Bytes({0x2B, 0xE1});        // sub esp, ecx
    code.Bytes({0x8D, 0x75, 0x08});  // lea esi, [ebp+8]
    code.Bytes({0x8D, 0x3C, 0x24});  // lea edi, [esp]
    code.Bytes({0xFC, 0xF3, 0xA4});  // cld; rep movsb
    code.Bytes({0x8B, 0x4D, 0xF8, 0x8B, 0x75, 0xF4, 0x8B, 0x7D, 0xF0});
  }
  if (options.passEcx) code.Bytes({0x51});  // push ecx
  code.Bytes({0x8D, 0x45, 0xFC, 0x50});     // lea eax, [ebp-4]; push eax
  code.Bytes({0xB8});                       // mov eax, entry
  code.U32(method);
  code.Bytes({0xFF, 0xD0});  // call eax
  // mov ebx, [ebp-8]; mov ecx, [ebp-12]; mov esi, [ebp-16]; mov edi, [ebp-20]
  code.Bytes({0x8B, 0x5D, 0xF8, 0x8B, 0x4D, 0xF4, 0x8B, 0x75, 0xF0, 0x8B, 0x7D, 0xEC});
  code.Bytes({0xD9, 0x6D, 0xE8});  // fldcw [ebp-24]
  code.Bytes({0x8B, 0xE5, 0x5D});  // mov esp, ebp; pop ebp
  code.Bytes({0xC2});              // ret argument bytes
  code.U16(options.callerPops ? 0 : static_cast<uint16_t>(argumentBytes));
  return code.Result();
}

uint32_t X86Address(const void* pointer) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

ExecutableThunk::ExecutableThunk(const void* object, const void* method, int argumentCount) {
  Place(BuildImage(object, method, argumentCount));
}

ExecutableThunk::ExecutableThunk(const ExecutableThunk& other) { Place(other.image_); }

ExecutableThunk::~ExecutableThunk() {
  if (!block_) return;
#if !(defined(_M_IX86) || defined(__i386__))
  RtlDeleteFunctionTable(reinterpret_cast<PRUNTIME_FUNCTION>(block_ + kFunctionOffset));
#endif
  VirtualFree(block_, 0, MEM_RELEASE);
}

void* ExecutableThunk::Code() const { return block_ ? block_ + kCodeOffset : nullptr; }

void ExecutableThunk::Place(const runtime::ByteSet& image) {
  image_ = image;
  if (image.Empty()) return;
  void* memory = VirtualAlloc(nullptr, image.Size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!memory) return;
  std::memcpy(memory, image.Data(), image.Size());
  DWORD previous = 0;
  if (!VirtualProtect(memory, image.Size(), PAGE_EXECUTE_READ, &previous)) {
    VirtualFree(memory, 0, MEM_RELEASE);
    return;
  }
  FlushInstructionCache(GetCurrentProcess(), memory, image.Size());
  block_ = static_cast<uint8_t*>(memory);
#if !(defined(_M_IX86) || defined(__i386__))
  RtlAddFunctionTable(reinterpret_cast<PRUNTIME_FUNCTION>(block_ + kFunctionOffset), 1,
                      reinterpret_cast<DWORD64>(block_));
#endif
}

}  // namespace skin
