# Installation and the Debian package.
#
#   cmake --install build --prefix /usr/local    installs the programs
#   cpack --config build/CPackConfig.cmake       builds velsira_<version>_<arch>.deb
#
# The packaging data lives in packaging/: the desktop entry, the icon (SVG,
# and a 256 px PNG made from it with
#   rsvg-convert -w 256 -h 256 packaging/velsira.svg -o packaging/velsira.png),
# the AppStream metainfo, the manual pages, the copyright file and the changelog.

include(GNUInstallDirs)

set(VELSIRA_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VELSIRA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/velsira)

# The version the programs report is the project's.
target_compile_definitions(velsira-batch PRIVATE VELSIRA_VERSION="${PROJECT_VERSION}")

# Directories are created world-readable whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS velsira-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velsira)
  install(TARGETS velsira RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${VELSIRA_PACKAGING_DIR}/velsira.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${VELSIRA_PACKAGING_DIR}/velsira.svg
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${VELSIRA_PACKAGING_DIR}/velsira.png
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps)
install(FILES ${VELSIRA_PACKAGING_DIR}/org.velsira.velsira.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# Manual pages and the changelog, compressed as Debian wants them (gzip -9n:
# no name or time stamp, so the package is reproducible).
set(VELSIRA_GZ_DIR ${CMAKE_BINARY_DIR}/packaging)
set(VELSIRA_GZ_FILES)
foreach(source velsira.1 velsira-batch.1 changelog)
  set(output ${VELSIRA_GZ_DIR}/${source}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELSIRA_GZ_DIR}
    COMMAND gzip -9n -c ${VELSIRA_PACKAGING_DIR}/${source} > ${output}
    DEPENDS ${VELSIRA_PACKAGING_DIR}/${source}
    VERBATIM)
  list(APPEND VELSIRA_GZ_FILES ${output})
endforeach()
add_custom_target(velsira_packaging_data ALL DEPENDS ${VELSIRA_GZ_FILES})

install(FILES ${VELSIRA_GZ_DIR}/velsira-batch.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET velsira)
  install(FILES ${VELSIRA_GZ_DIR}/velsira.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${VELSIRA_GZ_DIR}/changelog.gz ${VELSIRA_PACKAGING_DIR}/copyright
  DESTINATION ${VELSIRA_DOC_DIR})

# The user guide and its pictures.
file(GLOB VELSIRA_GUIDE_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md ${VELSIRA_GUIDE_PICTURES}
  DESTINATION ${VELSIRA_DOC_DIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velsira)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velsira developers")
set(CPACK_PACKAGE_CONTACT "Velsira developers <velsira@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop mathematics tool with a Turkish interface")
# CPack writes the summary as the first line and this as the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Type an expression of x, or build it with the on-screen pad, and press one
button: the symbolic derivative, the indefinite integral, the numeric value in
degrees, radians or grads, the value at a number, a worked quadratic solution,
a scan for integer roots, a worked delta-epsilon argument for the limit of a
linear function, or a plot over a chosen range.
.
The package holds the desktop program velsira and velsira-batch, a headless
front end that answers JSON requests line by line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (C++ run time, Qt 6 Widgets and
# SVG) are found by dpkg-shlibdeps; the SVG library that saves plots and
# the fonts the windows draw "Arial" with and Qt's own Turkish translations
# (standard buttons, file dialog) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
