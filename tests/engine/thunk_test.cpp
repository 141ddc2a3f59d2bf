// Thunks: the x86 bytes against the documented layout, and calls through the executable stub.
#include "skin/engine/thunk.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using skin::BuildX86Thunk;
using skin::ExecutableThunk;
using skin::ThunkOptions;

namespace {

std::vector<uint8_t> FromHex(const std::string& text) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < text.size();) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    bytes.push_back(static_cast<uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return bytes;
}

std::vector<uint8_t> Bytes(const runtime::ByteSet& set) {
  return {set.Data(), set.Data() + set.Size()};
}

constexpr uint32_t kObject = 0x11223344;
constexpr uint32_t kMethod = 0xAABBCCDD;

struct ThunkCase {
  const char* name;
  int arguments;
  ThunkOptions options;
  const char* hex;
};

// Written out from the documented layout: frame, object cell, saved registers, FPU control word,
// argument copy (n > 0), optional ECX, cell address, call, restore, return.
const ThunkCase kThunkCases[] = {
    {"n=4", 4, {},
     "55 8B EC 68 44 33 22 11 53 51 56 57 6A 00 D9 3C 24 DB E3 "
     "B9 10 00 00 00 2B E1 8D 75 08 8D 3C 24 FC F3 A4 8B 4D F8 8B 75 F4 8B 7D F0 "
     "8D 45 FC 50 B8 DD CC BB AA FF D0 8B 5D F8 8B 4D F4 8B 75 F0 8B 7D EC D9 6D E8 8B E5 5D "
     "C2 10 00"},
    {"n=2", 2, {},
     "55 8B EC 68 44 33 22 11 53 51 56 57 6A 00 D9 3C 24 DB E3 "
     "B9 08 00 00 00 2B E1 8D 75 08 8D 3C 24 FC F3 A4 8B 4D F8 8B 75 F4 8B 7D F0 "
     "8D 45 FC 50 B8 DD CC BB AA FF D0 8B 5D F8 8B 4D F4 8B 75 F0 8B 7D EC D9 6D E8 8B E5 5D "
     "C2 08 00"},
    {"n=0", 0, {},
     "55 8B EC 68 44 33 22 11 53 51 56 57 6A 00 D9 3C 24 DB E3 "
     "8D 45 FC 50 B8 DD CC BB AA FF D0 8B 5D F8 8B 4D F4 8B 75 F0 8B 7D EC D9 6D E8 8B E5 5D "
     "C2 00 00"},
    {"n=2, ECX passed", 2, {.passEcx = true},
     "55 8B EC 68 44 33 22 11 53 51 56 57 6A 00 D9 3C 24 DB E3 "
     "B9 08 00 00 00 2B E1 8D 75 08 8D 3C 24 FC F3 A4 8B 4D F8 8B 75 F4 8B 7D F0 51 "
     "8D 45 FC 50 B8 DD CC BB AA FF D0 8B 5D F8 8B 4D F4 8B 75 F0 8B 7D EC D9 6D E8 8B E5 5D "
     "C2 08 00"},
    {"n=2, caller pops", 2, {.callerPops = true},
     "55 8B EC 68 44 33 22 11 53 51 56 57 6A 00 D9 3C 24 DB E3 "
     "B9 08 00 00 00 2B E1 8D 75 08 8D 3C 24 FC F3 A4 8B 4D F8 8B 75 F4 8B 7D F0 "
     "8D 45 FC 50 B8 DD CC BB AA FF D0 8B 5D F8 8B 4D F4 8B 75 F0 8B 7D EC D9 6D E8 8B E5 5D "
     "C2 00 00"},
};

TEST(X86Thunk, BytesFollowTheDocumentedLayout) {
  for (const ThunkCase& c : kThunkCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Bytes(BuildX86Thunk(kObject, kMethod, c.arguments, c.options)), FromHex(c.hex));
  }
  EXPECT_EQ(BuildX86Thunk(kObject, kMethod, 4).Size(), 76u);
}

TEST(X86Thunk, EmptyForANullEntryOrAnArgumentBlockOutsideZeroTo1024Bytes) {
  EXPECT_TRUE(BuildX86Thunk(kObject, 0, 4).Empty());
  EXPECT_TRUE(BuildX86Thunk(kObject, kMethod, -1).Empty());
  EXPECT_TRUE(BuildX86Thunk(kObject, kMethod, 257).Empty());
  const runtime::ByteSet largest = BuildX86Thunk(kObject, kMethod, 256);
  ASSERT_EQ(largest.Size(), 76u);
  EXPECT_EQ(largest.Data()[20], 0x00);  // mov ecx, 1024
  EXPECT_EQ(largest.Data()[21], 0x04);
  EXPECT_EQ(largest.Data()[74], 0x00);  // ret 1024
  EXPECT_EQ(largest.Data()[75], 0x04);
  EXPECT_EQ(ExecutableThunk(nullptr, nullptr, 4).Code(), nullptr);
  EXPECT_EQ(ExecutableThunk(&kObject, reinterpret_cast<const void*>(&FromHex), 257).Code(), nullptr);
}

// What the entries saw on their last call.
struct Seen {
  const void* object = nullptr;
  std::vector<INT_PTR> arguments;
  bool stackAligned = false;
};
Seen seen;

bool StackAligned() {
#if defined(_M_IX86) || defined(__i386__)
  return true;
#else
  // With a frame pointer the frame address is rsp at the call minus 16: aligned when the call was.
  return reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) % 16 == 0;
#endif
}

__attribute__((noinline)) INT_PTR CALLBACK Entry0(const void* const* cell) {
  seen = {*cell, {}, StackAligned()};
  return 100;
}
__attribute__((noinline)) INT_PTR CALLBACK Entry2(const void* const* cell, INT_PTR a, INT_PTR b) {
  seen = {*cell, {a, b}, StackAligned()};
  return 102;
}
__attribute__((noinline)) INT_PTR CALLBACK Entry4(const void* const* cell, INT_PTR a, INT_PTR b,
                                                  INT_PTR c, INT_PTR d) {
  seen = {*cell, {a, b, c, d}, StackAligned()};
  return 104;
}
__attribute__((noinline)) INT_PTR CALLBACK Entry7(const void* const* cell, INT_PTR a, INT_PTR b,
                                                  INT_PTR c, INT_PTR d, INT_PTR e, INT_PTR f,
                                                  INT_PTR g) {
  seen = {*cell, {a, b, c, d, e, f, g}, StackAligned()};
  return 107;
}

// Argument values that fill the whole register on either build.
INT_PTR Value(int i) {
  return static_cast<INT_PTR>(static_cast<uintptr_t>(-1) / 15 * static_cast<uintptr_t>(i + 1));
}

template <typename Function>
Function As(const ExecutableThunk& thunk) {
  return reinterpret_cast<Function>(thunk.Code());
}

TEST(ExecutableThunk, ACallReachesTheEntryWithTheObjectCellAndEveryArgument) {
  int object = 0;
  const auto v = Value;
  {
    const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(Entry0), 0);
    EXPECT_EQ(As<INT_PTR(CALLBACK*)()>(thunk)(), 100);
    EXPECT_EQ(seen.object, &object);
    EXPECT_TRUE(seen.arguments.empty());
    EXPECT_TRUE(seen.stackAligned);
  }
  {
    const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(Entry2), 2);
    EXPECT_EQ(As<INT_PTR(CALLBACK*)(INT_PTR, INT_PTR)>(thunk)(v(0), v(1)), 102);
    EXPECT_EQ(seen.object, &object);
    EXPECT_EQ(seen.arguments, (std::vector<INT_PTR>{v(0), v(1)}));
    EXPECT_TRUE(seen.stackAligned);
  }
  {
    const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(Entry4), 4);
    EXPECT_EQ(As<INT_PTR(CALLBACK*)(INT_PTR, INT_PTR, INT_PTR, INT_PTR)>(thunk)(v(0), v(1), v(2), v(3)),
              104);
    EXPECT_EQ(seen.object, &object);
    EXPECT_EQ(seen.arguments, (std::vector<INT_PTR>{v(0), v(1), v(2), v(3)}));
    EXPECT_TRUE(seen.stackAligned);
  }
  {
    const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(Entry7), 7);
    using Seven = INT_PTR(CALLBACK*)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);
    EXPECT_EQ(As<Seven>(thunk)(v(0), v(1), v(2), v(3), v(4), v(5), v(6)), 107);
    EXPECT_EQ(seen.object, &object);
    EXPECT_EQ(seen.arguments, (std::vector<INT_PTR>{v(0), v(1), v(2), v(3), v(4), v(5), v(6)}));
    EXPECT_TRUE(seen.stackAligned);
  }
}

TEST(ExecutableThunk, RunsFromExecutableMemoryOfItsOwnThatGoesWithIt) {
  int object = 0;
  void* code = nullptr;
  {
    const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(Entry2), 2);
    code = thunk.Code();
    MEMORY_BASIC_INFORMATION memory{};
    ASSERT_NE(VirtualQuery(code, &memory, sizeof memory), 0u);
    EXPECT_EQ(memory.Type, static_cast<DWORD>(MEM_PRIVATE));
    EXPECT_EQ(memory.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));

    // A copy runs from its own memory and still reaches the same object.
    const ExecutableThunk copy(thunk);
    EXPECT_NE(copy.Code(), code);
    EXPECT_EQ(As<INT_PTR(CALLBACK*)(INT_PTR, INT_PTR)>(copy)(7, 8), 102);
    EXPECT_EQ(seen.object, &object);
    EXPECT_EQ(seen.arguments, (std::vector<INT_PTR>{7, 8}));
  }
  MEMORY_BASIC_INFORMATION after{};
  ASSERT_NE(VirtualQuery(code, &after, sizeof after), 0u);
  EXPECT_EQ(after.State, static_cast<DWORD>(MEM_FREE));
}

#if !(defined(_M_IX86) || defined(__i386__))

// The x64 stub is registered with unwind data, so the system can walk the stack through it
// (exception dispatch, crash reports); the registration goes with the stub.
TEST(ExecutableThunk, TheSystemFindsUnwindDataForTheX64StubWhileItLives) {
  int object = 0;
  uintptr_t code = 0;
  {
    const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(Entry2), 2);
    code = reinterpret_cast<uintptr_t>(thunk.Code());
    DWORD64 base = 0;
    const PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(code + 8, &base, nullptr);
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(base + function->BeginAddress, code);
    EXPECT_GT(base + function->EndAddress, code + 8);
  }
  DWORD64 base = 0;
  EXPECT_EQ(RtlLookupFunctionEntry(code + 8, &base, nullptr), nullptr);
}

#else

// The state the caller keeps across the x86 thunk.
struct CallerState {
  uint32_t ebx, esi, edi;
  void* code;
  uint32_t result;
};

uint16_t entryControlWord = 0;

__attribute__((noinline)) INT_PTR CALLBACK ControlWordEntry(const void* const* cell, INT_PTR a,
                                                            INT_PTR b, INT_PTR c, INT_PTR d) {
  uint16_t word = 0;
  asm volatile("fnstcw %0" : "=m"(word));
  entryControlWord = word;
  // An entry that leaves the FPU in another mode must not change the caller's.
  const uint16_t other = 0x0C7F;
  asm volatile("fldcw %0" : : "m"(other));
  return a + b + c + d;
}

// Calls the thunk with four arguments, EBX/ESI/EDI loaded from `state`, and stores what those
// registers and EAX hold afterwards back into it.
void CallKeepingState(CallerState& state) {
  CallerState* pointer = &state;
  asm volatile(
      "pushl %%ebx\n\t"
      "pushl %%esi\n\t"
      "pushl %%edi\n\t"
      "pushl %%eax\n\t"
      "movl 0(%%eax), %%ebx\n\t"
      "movl 4(%%eax), %%esi\n\t"
      "movl 8(%%eax), %%edi\n\t"
      "pushl $4\n\t"
      "pushl $3\n\t"
      "pushl $2\n\t"
      "pushl $1\n\t"
      "calll *12(%%eax)\n\t"
      "popl %%ecx\n\t"
      "movl %%ebx, 0(%%ecx)\n\t"
      "movl %%esi, 4(%%ecx)\n\t"
      "movl %%edi, 8(%%ecx)\n\t"
      "movl %%eax, 16(%%ecx)\n\t"
      "popl %%edi\n\t"
      "popl %%esi\n\t"
      "popl %%ebx\n\t"
      : "+a"(pointer)
      :
      : "ecx", "edx", "memory", "cc");
}

TEST(X86Thunk, KeepsEbxEsiEdiAndTheFpuControlWordAndResetsTheFpuForTheEntry) {
  int object = 0;
  const ExecutableThunk thunk(&object, reinterpret_cast<const void*>(ControlWordEntry), 4);
  const uint16_t callerWord = 0x027F;  // 53-bit precision, all exceptions masked
  uint16_t saved = 0;
  asm volatile("fnstcw %0" : "=m"(saved));
  asm volatile("fldcw %0" : : "m"(callerWord));
  CallerState state{0x11111111, 0x22222222, 0x33333333, thunk.Code(), 0};
  CallKeepingState(state);
  uint16_t after = 0;
  asm volatile("fnstcw %0" : "=m"(after));
  asm volatile("fldcw %0" : : "m"(saved));

  EXPECT_EQ(state.ebx, 0x11111111u);
  EXPECT_EQ(state.esi, 0x22222222u);
  EXPECT_EQ(state.edi, 0x33333333u);
  EXPECT_EQ(state.result, 10u);
  EXPECT_EQ(entryControlWord, 0x037F);  // FNINIT's word
  EXPECT_EQ(after, callerWord);
}

#endif

}  // namespace
