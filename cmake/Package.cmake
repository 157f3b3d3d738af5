# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in the build folder writes
# sudoku-nodala_3.0.0_<arch>.deb with what `cmake --install` installs.
set(CPACK_PACKAGE_NAME sudoku-nodala)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0)
set(CPACK_PACKAGE_VENDOR "The Sudoku Nodala developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game with pencil marks, hints, history and a clock")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.sudokunodala.com/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Sudoku Nodala developers <packages@sudokunodala.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the libraries (Qt's X11 platform plugin and SVG icon
# engine come with them); the fonts the window's captions are laid out in
# are loaded by name at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_PACKAGE_DESCRIPTION "Sudoku Nodala deals puzzles at five levels, from Very Easy to Diabolical,
from a bank of 2,500 puzzles with exactly one solution each. Play them with
pencil marks, highlights, hints and a clock, step back and forth through
your moves, have the next logical step explained, resume the last game,
enter or import puzzles of your own and have them checked, copy and print
boards, and choose the colours.

The package also holds sudoku-tool, which checks, grades, explains,
imports and exports puzzles from the command line.")

set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGames.cmake)
include(CPack)
