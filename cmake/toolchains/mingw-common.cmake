# Shared by the two MinGW-w64 toolchain files, which set SKINBENCH_MINGW_TRIPLET first.
# Debian's MinGW-w64 cross compilers with the posix thread model (std::thread, std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${SKINBENCH_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SKINBENCH_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SKINBENCH_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SKINBENCH_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable carries its runtime: the C++ and GCC runtimes and winpthread are linked
# statically, so that it needs only DLLs that ship with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
