# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# stage_rpm(ROOT root PROGRAM program MANUAL manual LICENCE licence OBJCOPY
# objcopy) lays out the RPM's files, installed under root: the manual
# compressed and the licence (its path under root, if it is installed) apart,
# as Fedora's and openSUSE's own packages have them, and no compiler's notes
# in the program.
include(${CMAKE_CURRENT_LIST_DIR}/../run.cmake)
function(stage_rpm)
  cmake_parse_arguments(PARSE_ARGV 0 "" "" "ROOT;PROGRAM;MANUAL;LICENCE;OBJCOPY" "")
  run(gzip -9n "${_MANUAL}")
  if(_LICENCE)
    file(MAKE_DIRECTORY "${_ROOT}/usr/share/licenses/guess")
    file(RENAME "${_ROOT}${_LICENCE}" "${_ROOT}/usr/share/licenses/guess/LICENSE")
  endif()
  run("${_OBJCOPY}" --remove-section=.comment "${_PROGRAM}")
endfunction()
