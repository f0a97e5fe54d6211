# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The Debian package's files, included by stage.cmake: the game in
# /usr/games, as Debian's policy keeps games apart; the licence in the
# copyright file alone; the manual and changelog compressed; the lintian
# overrides; and no compiler's notes in the program.
if(NOT program STREQUAL "${prefix}/games/guess")
  file(MAKE_DIRECTORY "${prefix}/games")
  file(RENAME "${program}" "${prefix}/games/guess")
  cmake_path(GET program PARENT_PATH bindir)
  file(REMOVE_RECURSE "${bindir}")
  set(program "${prefix}/games/guess")
endif()
if(licence)
  file(REMOVE "${root}${licence}")
endif()
run(gzip -9n "${manual}")
file(COPY "${build}/changelog.Debian" "${build}/copyright" DESTINATION "${doc}")
run(gzip -9n "${doc}/changelog.Debian")
configure_file("${CMAKE_CURRENT_LIST_DIR}/lintian-overrides"
               "${prefix}/share/lintian/overrides/guess" COPYONLY)
run("${objcopy}" --remove-section=.comment "${program}")
