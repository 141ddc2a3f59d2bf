# 32-bit Windows (PE32), the release build of the programs.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUIZMOOR_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
