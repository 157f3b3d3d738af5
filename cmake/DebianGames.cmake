# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in cpack after the files are staged: Debian keeps the programs of a
# package in the games section in /usr/games, while `cmake --install`
# keeps the usual PREFIX/bin.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT IS_DIRECTORY ${staged}/bin)
  message(FATAL_ERROR "no programs staged in ${staged}/bin")
endif()
file(RENAME ${staged}/bin ${staged}/games)
