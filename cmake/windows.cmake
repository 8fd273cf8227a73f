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

# skinbench_data_dll(TARGET NAME SOURCE...): a DLL named NAME.dll with no entry point and no
# runtime, only what its sources hold (a resource script's resources). The Windows tour's --form
# is tested and measured on such programs.
function(skinbench_data_dll target name)
  enable_language(RC)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX PREFIX "" OUTPUT_NAME ${name})
  target_link_options(${target} PRIVATE -nostdlib -Wl,--entry=0)
endfunction()
