# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
# The POSIX-thread variant of the compiler, because GoogleTest uses std::mutex.
#   cmake -S . -B build/windows -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DQUELLARCH_GUI=OFF -DQUELLARCH_BENCH=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELLARCH_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELLARCH_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELLARCH_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELLARCH_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUELLARCH_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime, so the programs run under Wine or on a bare Windows without MinGW DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
