# Settings of the Windows build (MinGW-w64, cmake/toolchains/). The toolchain files link the
# C++ runtime statically; here the optimised builds also leave out unused code and the symbol
# table, so that skinbench.exe stays small.
if(NOT MINGW)
  return()
endif()
add_compile_options($<$<CONFIG:Release,MinSizeRel>:-ffunction-sections>
                    $<$<CONFIG:Release,MinSizeRel>:-fdata-sections>)
add_link_options($<$<CONFIG:Release,MinSizeRel>:LINKER:--gc-sections>
                 $<$<CONFIG:Release,MinSizeRel>:-s>)
