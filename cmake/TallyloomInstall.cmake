# `cmake --install` puts the program under the GNU install folders; the icons,
# menu entry, metainfo and manual page install from resources/. CPack makes
# the Debian package of the same install (scripts/package).
install(TARGETS tallyloom RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tallyloom_whole RUNTIME DESTINATION ${TALLYLOOM_PRIVATE_DIR})
# The files that sit beside the program in the build tree; the installed
# program looks for them in share/tallyloom (platform/folders.cpp).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/beside/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyloom
        PATTERN ".*" EXCLUDE)

# Debian's place for the licence and the history. gzip -n leaves name and time out of
# the header, so equal sources give equal bytes.
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/tallyloom)
set(_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${_changelog}
  COMMAND sh -c "gzip -9 -n -c \"$1\" >\"$2\"" sh ${CMAKE_SOURCE_DIR}/resources/doc/changelog
          ${_changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/doc/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(tallyloom_changelog ALL DEPENDS ${_changelog})
install(FILES ${CMAKE_SOURCE_DIR}/resources/doc/copyright ${_changelog} DESTINATION ${_doc})

# Everything the install needs, without the tests and benchmarks.
add_custom_target(installable DEPENDS tallyloom tallyloom_whole tallyloom_manual tallyloom_changelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyloom)
set(CPACK_PACKAGE_VENDOR "Tallyloom developers")
set(CPACK_PACKAGE_CONTACT "Tallyloom developers <support@tallyloom.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "time-sheet template maker")
set(CPACK_PACKAGE_DESCRIPTION "\
Tallyloom lays out a printable weekly time sheet and writes it as an Excel
97-2003 workbook: the chosen header fields, days, weeks and shifts, formulas
for hours and pay, drop-down lists of times and a one-page print setup. It has
a desktop window with a preview and a command line for scripts, and needs no
spreadsheet program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Shared libraries (Qt, libxlsxwriter, ...) are found by dpkg-shlibdeps; only what the
# program loads without linking is named here: the fonts its pictures measure
# Arial with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's Wayland platform; without it the windows run through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
