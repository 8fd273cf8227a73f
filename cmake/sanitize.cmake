# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build (the "sanitize" preset).
# Any finding aborts the process, so a test with a finding fails.
option(SKINBENCH_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SKINBENCH_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # Under the null-pointer check a function's address is no constant: the member bindings are
  # then checked as the tables are built, not as they compile (host/core/member_tables.h).
  add_compile_definitions(SKINBENCH_BINDINGS_CHECKED_AT_RUN_TIME)
endif()
