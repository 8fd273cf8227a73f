# The Windows zip: skinbench.exe, skinbench-tour.exe beside it, the licence and the README, one
# zip per architecture
# (skinbench-1.0.0.0-win32.zip, skinbench-1.0.0.0-win64.zip).
# README.txt is made from README.md at build time: the sections a Windows user needs, as plain
# text with CRLF line endings (cmake/readme_text.cmake). It is part of building skinbench, so
# that any build of the program can be zipped.
set(readme_text ${PROJECT_BINARY_DIR}/README.txt)
add_custom_command(
  OUTPUT ${readme_text}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/README.md -DOUTPUT=${readme_text} -P
          ${PROJECT_SOURCE_DIR}/cmake/readme_text.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/readme_text.cmake
  COMMENT "Making README.txt from README.md"
  VERBATIM)
add_custom_target(readme_text ALL DEPENDS ${readme_text})
foreach(program skinbench skinbench-tour)
  if(TARGET ${program})
    add_dependencies(${program} readme_text)
    install(TARGETS ${program} RUNTIME DESTINATION .)
  endif()
endforeach()
# Named .txt, so that a double click opens them on Windows.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${readme_text} DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(windows_architecture win64)
else()
  set(windows_architecture win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME skinbench)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The skinbench developers")
set(CPACK_PACKAGE_FILE_NAME skinbench-${PROJECT_VERSION}-${windows_architecture})
# The files sit at the top of the zip, not in a folder named after it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
