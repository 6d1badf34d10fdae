# SPDX-License-Identifier: MIT
# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# variant, which GoogleTest needs) and runs what it builds under Wine:
#   cmake -S . -B build-mingw --toolchain cmake/mingw-w64-x86_64.cmake -DMARBOLIN_WINDOW=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime libraries, so that the tests run without copying DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(WINE NAMES wine64 wine)
if(WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE})
endif()
