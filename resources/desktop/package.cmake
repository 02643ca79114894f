# The Debian package, made by `cpack -G DEB` from the install rules of install.cmake and
# help.cmake: the program, its help, desktop entry, icons and metainfo under /usr, and the files
# Debian asks of every package (copyright, changelog, a manual page). The libraries it depends on
# are found by dpkg-shlibdeps; the fonts that stand in for the designed faces and the toolkit's
# Japanese texts are named here. Include after install.cmake.
include(GNUInstallDirs)
set(vorpo_package_docs ${CMAKE_BINARY_DIR}/package-docs)
set(vorpo_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vorpo)

# Debian keeps the changelog and manual pages compressed at the highest level, without a time
# stamp in the gzip header.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${vorpo_package_docs}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vorpo.6 ${vorpo_package_docs}/vorpo.6 @ONLY)
find_program(VORPO_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${vorpo_package_docs}/changelog.gz ${vorpo_package_docs}/vorpo.6.gz
  COMMAND ${VORPO_GZIP} -9nf -k ${vorpo_package_docs}/changelog ${vorpo_package_docs}/vorpo.6
  DEPENDS ${vorpo_package_docs}/changelog ${vorpo_package_docs}/vorpo.6
  COMMENT "Compressing the changelog and the manual page")
add_custom_target(vorpo_package_docs ALL
  DEPENDS ${vorpo_package_docs}/changelog.gz ${vorpo_package_docs}/vorpo.6.gz)
add_dependencies(vorpo vorpo_package_docs)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${vorpo_package_docs}/changelog.gz
        DESTINATION ${vorpo_doc_dir})
install(FILES ${vorpo_package_docs}/vorpo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorpo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vorpo developers")
set(CPACK_PACKAGE_CONTACT "The Vorpo developers <vorpo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shedding card game against computer players")
# Debian shows the description on 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Vorpo is a card game for one player against one to nine computer players,
with its texts in Japanese: lay a card that matches the top of the discard
pile by colour or symbol, make the next player draw, and be the first to
empty your hand. It has a deck of 112 cards, five switchable local rules, an
international and a Japanese scoring rule, a ranking mode, replaceable card
pictures, sounds and card point tables, and statistics across matches.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian puts the programs of that section in /usr/games, and this one is
# /usr/bin/vorpo.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2 is loaded at the first sound, not linked, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation, qt6-translations-l10n, \
libsdl2-2.0-0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
