# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Lays out the Debian package's files, installed under root, as Debian's
# policy has them: the game in /usr/games, as it keeps games apart; the
# licence, if it is installed, in the copyright file alone; the manual and
# the changelog compressed; the lintian overrides; and no compiler's notes
# in the program. A step of stage.cmake.
set(games "${root}/usr/games")
if(NOT CPACK_GUESS_PROGRAM STREQUAL "/usr/games/guess")
  file(MAKE_DIRECTORY "${games}")
  file(RENAME "${root}${CPACK_GUESS_PROGRAM}" "${games}/guess")
  cmake_path(GET CPACK_GUESS_PROGRAM PARENT_PATH bindir)
  file(REMOVE_RECURSE "${root}${bindir}")
endif()
if(CPACK_GUESS_LICENSE)
  file(REMOVE "${root}${CPACK_GUESS_LICENSE}")
endif()
run(gzip -9n "${root}${CPACK_GUESS_MANUAL}")
file(COPY "${CPACK_GUESS_DEBIAN}/changelog.Debian" "${CPACK_GUESS_DEBIAN}/copyright"
     DESTINATION "${root}${CPACK_GUESS_DOC}")
run(gzip -9n "${root}${CPACK_GUESS_DOC}/changelog.Debian")
configure_file("${CMAKE_CURRENT_LIST_DIR}/lintian-overrides" "${root}/usr/share/lintian/overrides/guess"
               COPYONLY)
run("${CPACK_GUESS_OBJCOPY}" --remove-section=.comment "${games}/guess")
