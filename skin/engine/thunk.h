// Thunks: machine-code stubs through which Windows calls an engine method. Each stub is a function
// of n pointer-sized arguments that calls a plain function (the method-table entry, standard call on
// the 32-bit build) with the address of a cell holding the engine pointer, then the n arguments, and
// returns what the entry returns.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/byte_set.h"

namespace skin {

// Options of the x86 thunk; the engine leaves both off.
struct ThunkOptions {
  bool passEcx = false;     // the incoming ECX goes to the entry as an extra first argument
  bool callerPops = false;  // the thunk returns with "ret 0" and the caller removes the arguments
};

// The x86 thunk for `object` and entry `method`, both as 32-bit addresses, taking `argumentCount`
// 32-bit arguments: it pushes the object pointer (the cell), saves EBX, ECX, ESI, EDI and the FPU
// control word, resets the FPU, copies the arguments, calls the entry, restores all of it and
// returns. Empty when `method` is 0 or 4 * argumentCount is negative or above 1024.
runtime::ByteSet BuildX86Thunk(uint32_t object, uint32_t method, int argumentCount,
                               ThunkOptions options = {});

// A pointer as a 32-bit address for the x86 bytes (on the 64-bit build its low half; there the x86
// bytes are kept as data and never run).
uint32_t X86Address(const void* pointer);

// A thunk placed in memory of its own that may run (data-execution prevention refuses code in an
// ordinary heap block). On the 32-bit build it holds the x86 bytes unchanged; on the 64-bit build an
// x64 stub that does the same: it moves the arguments one place along, loads the first with the
// address of a cell in its own block holding the object pointer, and calls the entry. Frees its
// memory when it goes.
class ExecutableThunk {
 public:
  ExecutableThunk() = default;
  // Empty (Code() null) when BuildX86Thunk would be empty for these values.
  ExecutableThunk(const void* object, const void* method, int argumentCount);
  // Fresh memory holding the same code, which still calls the same object.
  ExecutableThunk(const ExecutableThunk& other);
  ExecutableThunk& operator=(const ExecutableThunk&) = delete;
  ~ExecutableThunk();

  // Address of the first code byte; null when empty.
  [[nodiscard]] void* Code() const;

 private:
  void Place(const runtime::ByteSet& image);

  runtime::ByteSet image_;  // what the block holds, kept for copies
  uint8_t* block_ = nullptr;
};

}  // namespace skin
