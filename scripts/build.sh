#!/usr/bin/env bash
# Configures and builds every program and test into build/ (cross-built with MinGW-w64).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUIZMOOR_BUILD:-$top/build}"
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE="${QUIZMOOR_BUILD_TYPE:-Release}" >/dev/null
cmake --build "$build" -j"$(nproc)"
