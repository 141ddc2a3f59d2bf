# 64-bit Windows (PE32+): what runs and is tested under 64-bit wine on machines that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUIZMOOR_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
