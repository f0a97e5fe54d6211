# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# repack_zip(PACKAGE zip TOP top CONTENTS folder) packs the ZIP again with
# the files under the folder, named from the top folder as CPack names them:
# CPack lists the files in the order that the file system gives them, names
# the builder's user and group, and dates them in local time. zip takes them
# in the order given, here by name; -X leaves the user and group out, and the
# time zone is UTC.
include(${CMAKE_CURRENT_LIST_DIR}/../run.cmake)
function(repack_zip)
  cmake_parse_arguments(PARSE_ARGV 0 "" "" "PACKAGE;TOP;CONTENTS" "")
  find_program(zip zip REQUIRED)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${_TOP}" "${_CONTENTS}/*")
  file(REMOVE "${_PACKAGE}")
  run("${CMAKE_COMMAND}" -E env TZ=UTC0 "${zip}" -q -X -D -9 "${_PACKAGE}" ${files}
      WORKING_DIRECTORY "${_TOP}")
endfunction()
