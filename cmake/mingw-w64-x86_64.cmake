# Cross-building the native Windows executable (x86_64) with Debian's mingw-w64, posix thread
# model (std::thread and std::mutex work). Everything is linked statically, so the .exe needs
# no DLL beside the system's own.
#   cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VK_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${VK_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VK_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

# Libraries and headers come from the mingw-w64 tree only (zlib: libz-mingw-w64-dev); tools
# such as awk or bash from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
