# Cross build for 64-bit Windows with Debian's MinGW-w64: the module for
# today's hosts (the current interface) and tonescope.exe.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DTONESCOPE_NATIVE_BUILD=$PWD/build
# The resource generators run on the build machine: TONESCOPE_NATIVE_BUILD
# names a native build folder that has built them (see scripts/windows.sh).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_prefix x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# Today's 64-bit hosts speak the current interface.
set(TONESCOPE_PROFILES current CACHE STRING "Host interfaces to build the module for")
