# The Windows zip: skinbench.exe, skinbench-tour.exe beside it, the licence and the README, one
# zip per architecture
# (skinbench-1.0.0.0-win32.zip, skinbench-1.0.0.0-win64.zip).
foreach(program skinbench skinbench-tour)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION .)
  endif()
endforeach()
# Named .txt, so that a double click opens them on Windows.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)

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
