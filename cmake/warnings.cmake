# Our own code builds with the compiler's warnings on; third-party headers come in as system
# includes. Warnings are errors only where SKINBENCH_WERROR is on (the presets and CI turn it on),
# so that someone else building with a newer compiler gets warnings, never a failed build.
option(SKINBENCH_WERROR "Treat compiler warnings as errors" OFF)

function(skinbench_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(SKINBENCH_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
