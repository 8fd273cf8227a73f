# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build (the "sanitize" preset).
# Any finding aborts the process, so a test with a finding fails.
option(SKINBENCH_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SKINBENCH_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
