# Cross build for 32-bit Windows with Debian's MinGW-w64: the module for the
# legacy 32-bit hosts (the legacy interface) and a 32-bit tonescope.exe. The posix thread
# model compilers, so that std::thread and std::mutex work.
#   cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
#         -DTONESCOPE_NATIVE_BUILD=$PWD/build
# The resource generators run on the build machine: TONESCOPE_NATIVE_BUILD
# names a native build folder that has built them (see scripts/windows.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(_prefix i686-w64-mingw32)
set(CMAKE_C_COMPILER ${_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${_prefix}-windres)
set(CMAKE_ASM_COMPILER ${_prefix}-gcc-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No MinGW DLL beside the programs: the C and C++ runtimes and winpthread are
# linked in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The 32-bit hosts speak the legacy interface.
set(TONESCOPE_PROFILES legacy CACHE STRING "Host interfaces to build the module for")
