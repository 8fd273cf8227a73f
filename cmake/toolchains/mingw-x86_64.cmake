# 64-bit Windows with Debian's MinGW-w64. Tests run under 64-bit Wine through the emulator.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(SKINBENCH_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR
                       ${CMAKE_CURRENT_LIST_DIR}/../../tests/support/wine_run.sh ABSOLUTE)
