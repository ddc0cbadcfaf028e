# `cpack -G DEB` in the build folder: one Debian package of everything installed, its
# dependencies found by dpkg-shlibdeps from the programs' own libraries.
set(CPACK_PACKAGE_NAME linewright)
set(CPACK_PACKAGE_VENDOR "The Linewright developers")
set(CPACK_PACKAGE_CONTACT "The Linewright developers <linewright@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Build the monthly blocks of an airline crew group")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Linewright places the month's pairings, reserve days and activities on the lines of one crew\n"
  "group, checks every placement against the duty and rest limits, and exports, publishes and\n"
  "prints the finished month. lwtool does the same work without a display.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Desktop integration (MIME database, icon cache, menus) is refreshed by the desktop's own triggers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, hicolor-icon-theme, xdg-utils")
include(CPack)
