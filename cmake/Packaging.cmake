# The Debian package: cpack -G DEB in a build folder (scripts/deb.sh builds, packs and checks it).
set(CPACK_PACKAGE_NAME gridmora)
set(CPACK_PACKAGE_VENDOR "Gridmora developers")
set(CPACK_PACKAGE_CONTACT "Gridmora developers <maintainers@gridmora.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword workshop: draw, fill in and solve crosswords")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not games: Debian keeps that section for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt's own texts (buttons, file and font dialogs) in the interface language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# CPack puts the summary first and indents these lines as the control file wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Gridmora is a crossword workshop. An author draws a grid, lets the program
number its words, types a clue and an answer for each word and saves the
crossword, locked with a password if wished. A solver opens the crossword,
picks the clues by number or by clicking a cell and types the answers, which
are checked at once; the progress is kept in an answers file.

Crosswords can be exported as web pages, and word lists searched for words
that fit a slot. The interface speaks Russian and English.")
include(CPack)
