# Install rules and the Debian package: the executable, its desktop entry and its icon in the
# freedesktop hicolor theme.
include(GNUInstallDirs)

install(TARGETS skinbench RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/skinbench.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32)
  install(FILES ${PROJECT_SOURCE_DIR}/app/icon/skinbench-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME skinbench.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skinbench)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "skinbench developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Test bench for recolouring standard controls at run time")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "One window with sample buttons, text boxes, option buttons and check boxes. It opens "
       "skinned; each press of PROBAR re-applies the button colours in the next of ten ways "
       "and names that way in the title.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "skinbench developers <skinbench@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# Most Depends come from the libraries the executable links (dpkg-shlibdeps, from dpkg-dev):
# libqt6widgets6, libqt6core6 and the C and C++ runtimes. Qt loads its X11 platform plugin and
# its .ico reader at run time, unseen by dpkg-shlibdeps; both ship in libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4)")
# Qt draws text with whatever fonts fontconfig finds; a bare system may have none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
