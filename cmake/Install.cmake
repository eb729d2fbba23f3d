# Installation and the Debian package: the programs, the help pages, the desktop entry, the icon,
# the MIME type of project files, the manual pages, the licence and the change log in their
# standard places under CMAKE_INSTALL_PREFIX, and CPack's DEB generator with the dependencies
# named as Debian names them.
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

# The change log and the manual pages are installed compressed, as Debian wants them: best
# compression, no name or time stamp in the gzip header, so that the same source gives the same
# package.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(KELVADROME_COMPRESSED)
function(kelvadrome_compressed source)
  get_filename_component(name ${source} NAME)
  set(copy ${PROJECT_BINARY_DIR}/packaging/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${source} ${copy}
    COMMAND ${GZIP_EXECUTABLE} -9nf ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  set(KELVADROME_COMPRESSED ${KELVADROME_COMPRESSED} ${copy}.gz PARENT_SCOPE)
endfunction()
kelvadrome_compressed(changelog)
kelvadrome_compressed(kelvadrome-cli.1)
if(TARGET kelvadrome)
  kelvadrome_compressed(kelvadrome.1)
endif()
add_custom_target(kelvadrome-compressed-docs ALL DEPENDS ${KELVADROME_COMPRESSED})

# Debian's documentation folder: the machine-readable copyright file and the change log.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvadrome)
install(FILES ${PROJECT_BINARY_DIR}/packaging/kelvadrome-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET kelvadrome)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/kelvadrome.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvadrome)
set(CPACK_PACKAGE_VENDOR "Kelvadrome")
set(CPACK_PACKAGE_CONTACT "Kelvadrome maintainers <maintainers@kelvadrome.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design of reinforced-concrete cantilever retaining walls")
# Lines of the long description stay within the 80 columns Debian's tools show.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kelvadrome checks the stability of one cantilever retaining wall, designs\n"
    "its stem, toe and heel sections for eleven factored load combinations, draws\n"
    "the wall and prints a report. kelvadrome-cli runs the same computation from\n"
    "the command line.")
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
