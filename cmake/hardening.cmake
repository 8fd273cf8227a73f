# The hardening that a Debian package gets: position-independent executables, a stack
# protector, fortified C library calls, and relocations resolved at start-up and then made
# read-only (relro, bindnow). On for every build type, so that what the tests run is what ships.
option(SKINBENCH_HARDENING "Build with position-independent, fortified, bindnow executables" ON)

if(SKINBENCH_HARDENING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  # _FORTIFY_SOURCE works only in optimised builds (the C library warns at -O0, so Debug and a
  # plain None build go without), and it would hide overflows from AddressSanitizer. A value
  # the caller already passes, as dpkg-buildflags does, is left alone: a differing second
  # definition would warn.
  set(given_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_RELEASE} ${CMAKE_CXX_FLAGS_RELWITHDEBINFO}"
                  "${CMAKE_CXX_FLAGS_MINSIZEREL}")
  if(NOT SKINBENCH_SANITIZE AND NOT given_flags MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endif()
endif()
