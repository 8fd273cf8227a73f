# Install rules and the Debian package: both executables, the desktop entry, the icon in the
# freedesktop hicolor theme, the AppStream metadata, the manual pages, and the copyright and
# changelog that a Debian package carries in its documentation folder.
include(GNUInstallDirs)

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(appstream_id org.example.skinbench)

install(TARGETS skinbench skinbench-tour RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (as CPack makes) also drops the compilers' version strings (.comment, .note),
# as Debian's own tools do.
if(CMAKE_STRIP)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(program skinbench skinbench-tour)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
          COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()")
endif()
install(FILES ${PROJECT_SOURCE_DIR}/app/skinbench.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32)
  install(FILES ${PROJECT_SOURCE_DIR}/app/icon/skinbench-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME skinbench.png)
endforeach()
install(FILES ${packaging_dir}/${appstream_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages and the changelog are installed compressed. gzip -n leaves out the name and time
# stamp, so the same source always gives the same bytes.
find_program(GZIP gzip REQUIRED)
set(gzipped_dir ${PROJECT_BINARY_DIR}/packaging)
set(gzipped_files)
function(skinbench_gzip source name)
  set(plain ${gzipped_dir}/${name})
  add_custom_command(OUTPUT ${plain}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
                     COMMAND ${GZIP} -9nf ${plain}
                     DEPENDS ${source}
                     COMMENT "Compressing ${name}"
                     VERBATIM)
  set(gzipped_files ${gzipped_files} ${plain}.gz PARENT_SCOPE)
endfunction()

foreach(page skinbench skinbench-tour)
  skinbench_gzip(${packaging_dir}/man/${page}.1 ${page}.1)
  install(FILES ${gzipped_dir}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
skinbench_gzip(${packaging_dir}/changelog changelog)
install(FILES ${gzipped_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(skinbench_gzipped_docs ALL DEPENDS ${gzipped_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skinbench)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The skinbench developers")
set(CPACK_PACKAGE_HOMEPAGE_URL https://example.org/skinbench)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Test bench for recolouring standard controls at run time")
# Lines of at most 79 characters, paragraphs apart by an empty line; CPack indents them as a
# Debian control field wants.
file(READ ${packaging_dir}/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The skinbench developers <skinbench@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# Depends comes from the libraries the executables link (dpkg-shlibdeps, from dpkg-dev):
# libqt6widgets6, libqt6gui6, libqt6core6 and the C and C++ runtimes. Qt also loads its X11
# platform plugin and its .ico reader at run time, unseen by dpkg-shlibdeps; both ship in
# libqt6gui6, which the executables link directly (colours, fonts, painting), so it is already
# named, and naming it again here would list it twice. The package test checks that it stays.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws text with whatever fonts fontconfig finds; a bare system may have none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
