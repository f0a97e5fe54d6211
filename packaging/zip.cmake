# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Packs a ZIP in package again with the files that CPack packed, named from
# its top folder as CPack names them: CPack lists the files in the order that
# the file system gives them, names the builder's user and group, and dates
# them in local time. zip takes them in the order given, here by name; -X
# leaves the user and group out, and the time zone is UTC. A step of
# repack.cmake.
find_program(zip zip REQUIRED)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TOPLEVEL_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
file(REMOVE "${package}")
run("${CMAKE_COMMAND}" -E env TZ=UTC0 "${zip}" -q -X -D -9 "${package}" ${files}
    WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}")
