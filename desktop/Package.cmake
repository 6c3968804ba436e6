# The Debian package of everything the build installs: `cpack -G DEB` in a build
# configured for /usr (scripts/package.sh does both). Its dependencies are read by
# dpkg-shlibdeps from the libraries the game and its audio module link, so they
# follow whatever Qt the package was built against.

include(GNUInstallDirs)

# The package's maintainer: by default the game's support address; the game has
# none of its own yet, so the default then lies under example.org, as KORBO_APP_ID
# does. A packager names themselves, as Debian's tools do (scripts/package.sh passes
# DEBFULLNAME and DEBEMAIL on).
if(KORBO_SUPPORT_EMAIL)
  set(maintainer "The Korbo developers <${KORBO_SUPPORT_EMAIL}>")
else()
  set(maintainer "The Korbo developers <korbo@example.org>")
endif()
set(KORBO_PACKAGE_MAINTAINER ${maintainer} CACHE STRING "The package's maintainer: Name <address>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korbo)
set(CPACK_PACKAGE_VENDOR "The Korbo developers")
set(CPACK_PACKAGE_CONTACT ${KORBO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game for one to six players")
set(CPACK_PACKAGE_DESCRIPTION
"Korbo is a dice game for one to six players taking turns at one
machine. A game has fourteen rounds; in each turn a player throws six
dice up to four times, sorting them between throws into a held row and
the throwing area, may spend one of three jokers a game to throw a
single die again, and then enters the dice in one of fourteen
categories. The best and the lowest totals ever played are kept in two
records lists.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, the file dialog) in the player's language, and
# Qt's Wayland platform, so on a Wayland desktop the game runs natively rather than
# through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
# The history of games is an SQLite database, read through Qt's SQLite plugin, which
# the scan of the program's libraries does not see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
if(KORBO_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KORBO_HOMEPAGE})
endif()

# Every Debian package tells its changes in its documentation folder.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
  COMMAND gzip -9nf changelog --stdout > changelog.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_target(korbo_changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korbo)
include(CPack)
