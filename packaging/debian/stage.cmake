# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# stage_debian(ROOT root PROGRAM program MANUAL manual DOC doc LICENCE licence
#              CHANGELOG changelog COPYRIGHT copyright OVERRIDES overrides
#              OBJCOPY objcopy)
# lays out the Debian package's files, installed under root, as Debian's
# policy has them: the game in /usr/games, as it keeps games apart; the
# licence (its path under root, if it is installed) in the copyright file
# alone; the manual and changelog compressed; the lintian overrides; and no
# compiler's notes in the program.
include(${CMAKE_CURRENT_LIST_DIR}/../run.cmake)
function(stage_debian)
  cmake_parse_arguments(PARSE_ARGV 0 "" ""
                        "ROOT;PROGRAM;MANUAL;DOC;LICENCE;CHANGELOG;COPYRIGHT;OVERRIDES;OBJCOPY" "")
  set(games "${_ROOT}/usr/games")
  if(NOT _PROGRAM STREQUAL "${games}/guess")
    file(MAKE_DIRECTORY "${games}")
    file(RENAME "${_PROGRAM}" "${games}/guess")
    cmake_path(GET _PROGRAM PARENT_PATH bindir)
    file(REMOVE_RECURSE "${bindir}")
  endif()
  if(_LICENCE)
    file(REMOVE "${_ROOT}${_LICENCE}")
  endif()
  run(gzip -9n "${_MANUAL}")
  file(COPY "${_CHANGELOG}" "${_COPYRIGHT}" DESTINATION "${_DOC}")
  cmake_path(GET _CHANGELOG FILENAME changelog)
  run(gzip -9n "${_DOC}/${changelog}")
  configure_file("${_OVERRIDES}" "${_ROOT}/usr/share/lintian/overrides/guess" COPYONLY)
  run("${_OBJCOPY}" --remove-section=.comment "${games}/guess")
endfunction()
