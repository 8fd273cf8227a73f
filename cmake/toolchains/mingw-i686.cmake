# 32-bit Windows, the program's home platform, with Debian's MinGW-w64. No emulator: 32-bit Wine
# is not installed, so this build is checked without running it.
set(CMAKE_SYSTEM_PROCESSOR X86)
set(SKINBENCH_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
