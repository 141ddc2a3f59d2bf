#!/usr/bin/env bash
# Configures and builds every program and test (64-bit, what runs here) into build/, and the 32-bit
# release programs into build/i686/.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUIZMOOR_BUILD:-$top/build}"
type="${QUIZMOOR_BUILD_TYPE:-Release}"
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE="$type" >/dev/null
cmake --build "$build" -j"$(nproc)"

cmake -S "$top" -B "$build/i686" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE="$type" >/dev/null
cmake --build "$build/i686" -j"$(nproc)" --target quizmoor
