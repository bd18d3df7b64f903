# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, so
# that std::thread and std::mutex exist). The runtime libraries are linked in
# statically: the test programs then run under Wine without extra DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NORVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NORVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NORVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NORVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Cross-built programs run through Wine (ctest, gtest_discover_tests).
find_program(NORVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NORVANE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${NORVANE_WINE})
endif()
