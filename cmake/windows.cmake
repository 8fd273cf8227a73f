# Settings of the Windows build (MinGW-w64, cmake/toolchains/). The toolchain files link the
# C++ runtime statically; here the optimised builds are optimised for size and leave out unused
# code and the symbol table, so that the executables stay small: skinbench.exe under 1 MiB and
# skinbench-tour.exe, which carries the C++ library's streams, locales and file system besides,
# under 1.5 MiB. (A later -O wins over the build type's -O3.)
if(NOT MINGW)
  return()
endif()
add_compile_options($<$<CONFIG:Release,MinSizeRel>:-Os>
                    $<$<CONFIG:Release,MinSizeRel>:-ffunction-sections>
                    $<$<CONFIG:Release,MinSizeRel>:-fdata-sections>)
add_link_options($<$<CONFIG:Release,MinSizeRel>:LINKER:--gc-sections>
                 $<$<CONFIG:Release,MinSizeRel>:-s>)
