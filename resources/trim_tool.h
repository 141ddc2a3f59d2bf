// The trimming tool (empty.exe, built from tools/) carried as a byte-set constant: dimension count
// 1, byte count, then the executable's bytes, 4-byte aligned.
#pragma once

namespace resources {

alignas(4) extern const unsigned char TrimToolImage[];

}  // namespace resources
