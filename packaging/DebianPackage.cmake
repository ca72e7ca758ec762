# The Debian package "lumenar" (Tesvik, tesvik-query and Pelorin), made by
# CPack from the install rules of this folder and the build's own binaries:
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
#   cmake --build build && (cd build && cpack -G DEB)
# CPack rather than debian/ with debhelper: the package comes from the same
# build and install rules as `cmake --install`, and CI makes it from its one
# Release build instead of building everything a second time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumenar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Lumenar)
set(CPACK_PACKAGE_CONTACT "Lumenar <packaging@lumenar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "look up and type rare Chinese characters, and build their fonts")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tesvik types Chinese characters that ordinary input methods cannot reach:
the rare characters of personal and place names, kept in the Private Use
Area and the CJK extension blocks. Find a character by radical, by stroke
count and first strokes, by pinyin, by Unicode block or by code value, and
Tesvik types it into the program you were typing in. tesvik-query answers
the same lookups on the command line.

Pelorin, the font tool, reads PFI glyph libraries, converts their outlines
to TrueType, writes EUDC fonts and merged font copies, and links EUDC fonts
to font faces through fontconfig; at every log-in it links the
population-register EUDC font to the faces named in its ini file.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Absolute destinations (the autostart entry in /etc) go into the package's
# tree, not onto the building machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
# Shared libraries from dpkg-shlibdeps; then what the programs load or show
# at run time: Qt's X11 platform plugin, fontconfig's tools for its cache,
# and fonts that draw the unified ideographs and the extension blocks.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fontconfig, fonts-hanazono, fonts-wqy-zenhei | fonts-noto-cjk")
# The help opens in the desktop's browser; tesvik-query type copies through xclip or wl-copy
# where it cannot type.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xclip, wl-clipboard")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
# The autostart entry is configuration: dpkg keeps the administrator's changes.
configure_file("${CMAKE_CURRENT_SOURCE_DIR}/debian/conffiles.in" "${CMAKE_CURRENT_BINARY_DIR}/made/conffiles" @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_CURRENT_BINARY_DIR}/made/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package's files lie under /usr and its autostart entry in /etc, so it is
# made from a build for the prefix /usr only.
configure_file("${CMAKE_CURRENT_SOURCE_DIR}/debian/CPackChecks.cmake.in" "${CMAKE_CURRENT_BINARY_DIR}/made/CPackChecks.cmake" @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_BINARY_DIR}/made/CPackChecks.cmake")
include(CPack)
