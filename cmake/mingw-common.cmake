# Shared part of the MinGW-w64 toolchain files; QUIZMOOR_TRIPLE names the compiler set.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${QUIZMOOR_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUIZMOOR_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${QUIZMOOR_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUIZMOOR_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest and custom commands start Windows programs through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)
