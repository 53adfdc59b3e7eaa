# Cross build for 32-bit Windows with Debian's MinGW-w64: the module for the
# legacy 32-bit hosts (the legacy interface) and a 32-bit tonescope.exe.
#   cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
#         -DTONESCOPE_NATIVE_BUILD=$PWD/build
# The resource generators run on the build machine: TONESCOPE_NATIVE_BUILD
# names a native build folder that has built them (see scripts/windows.sh).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_prefix i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# The 32-bit hosts speak the legacy interface.
set(TONESCOPE_PROFILES legacy CACHE STRING "Host interfaces to build the module for")
