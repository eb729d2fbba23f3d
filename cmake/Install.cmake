# Installation and the Debian package: the programs, the help pages, the desktop entry, the icon
# and the MIME type of project files in their standard places under CMAKE_INSTALL_PREFIX, and
# CPack's DEB generator with the dependencies named as Debian names them.
# Included after add_subdirectory(src), so that the targets exist.
include(GNUInstallDirs)

# The desktop program installs itself and its help pages from src/app (bin/ and
# share/kelvadrome/help, where it looks beside ../share from its own folder).
install(TARGETS kelvadrome-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kelvadrome)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kelvadrome.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kelvadrome.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kelvadrome-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME kelvadrome.xml)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvadrome)
set(CPACK_PACKAGE_VENDOR "Kelvadrome")
set(CPACK_PACKAGE_CONTACT "Kelvadrome maintainers <maintainers@kelvadrome.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design of reinforced-concrete cantilever retaining walls")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kelvadrome checks the stability of one cantilever retaining wall, designs its stem, toe and\n"
    "heel sections for eleven factored load combinations, draws the wall and prints a report.\n"
    "kelvadrome-cli runs the same computation from the command line.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY kelvadrome)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kelvadrome_2.10_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kelvadrome.invalid")
# dpkg-shlibdeps names the libraries the programs link with their least versions (libqt6core6,
# libqt6gui6, libqt6widgets6, libqt6printsupport6, libstdc++6, libc6, ...). Named here: the
# platform plugins that open a window and the fonts the report is measured with, which no
# program links but without which it cannot show a window or print its report.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, desktop-file-utils, shared-mime-info")
include(CPack)
