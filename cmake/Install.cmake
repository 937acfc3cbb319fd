# Installing RUVANTIA as a desktop game, and packing it as a Debian package.
#
#   cmake --install build/release            the game under /usr/local
#   cd build/release && cpack                ruvantia_<version>_<arch>.deb, for /usr
#
# The binary carries its artwork inside and asks fontconfig for its fonts, so the files below are
# all a player's machine needs from us.

include(GNUInstallDirs)

# Debian keeps games apart from other programs, in /usr/games.
set(RUVANTIA_INSTALL_GAMESDIR games)
# The metadata's id for software centres; the launcher keeps the short name the windows carry
# as their class, so desktops match the running windows to it.
set(RUVANTIA_APPSTREAM_ID io.github.ruvantia.ruvantia)

install(TARGETS ruvantia RUNTIME DESTINATION ${RUVANTIA_INSTALL_GAMESDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/ruvantia.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/art/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ruvantia.svg)
install(FILES ${CMAKE_SOURCE_DIR}/data/${RUVANTIA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page carries the version and goes out compressed, as Debian wants its manuals.
configure_file(${CMAKE_SOURCE_DIR}/data/ruvantia.6.in ${CMAKE_BINARY_DIR}/data/ruvantia.6 @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/data/ruvantia.6.gz
  COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/data/ruvantia.6 > ${CMAKE_BINARY_DIR}/data/ruvantia.6.gz
  DEPENDS ${CMAKE_BINARY_DIR}/data/ruvantia.6
  VERBATIM)
add_custom_target(ruvantia_manual ALL DEPENDS ${CMAKE_BINARY_DIR}/data/ruvantia.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/data/ruvantia.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The documentation Debian asks of every package, in /usr/share/doc/ruvantia: the licence in
# machine-readable form (the full text is the system's own, in /usr/share/common-licenses), the
# changelog compressed as for the manual, and a question pack to start one's own from.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/data/changelog.gz
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/debian/changelog > ${CMAKE_BINARY_DIR}/data/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog
  VERBATIM)
add_custom_target(ruvantia_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/data/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/examples/domande.tsv DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruvantia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "La squadra di RUVANTIA <ruvantia@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz televisivo per un giocatore: la scalata verso il milione")
# Lines under 80 columns, as Debian wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Un quiz a premi per un solo giocatore, tutto in italiano, che si gioca con il\n\
solo mouse. Si sale una scala di quindici domande, da 50 euro a un milione:\n\
quattro risposte per domanda, due traguardi, tre aiuti, la risposta definitiva\n\
e un conduttore che commenta ogni passo.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The libraries come from what the binary links, but for libzip, which it loads itself when a
# spreadsheet is opened; the fonts are asked of fontconfig by name and must be there: Liberation
# for the board, Lobster Two for the goodbye screen's lettering.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, fonts-liberation2, fonts-lobstertwo, libzip4 (>= 1.0)")
include(CPack)
