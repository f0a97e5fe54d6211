# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# repack_debian(PACKAGE deb WORK folder AR ar) packs the .deb again, in the
# folder given to work in: CPack gives its three members the modes that the
# umask gave their files. ar's deterministic mode gives them 0644, owner 0
# and time 0.
include(${CMAKE_CURRENT_LIST_DIR}/../run.cmake)
function(repack_debian)
  cmake_parse_arguments(PARSE_ARGV 0 "" "" "PACKAGE;WORK;AR" "")
  file(REMOVE_RECURSE "${_WORK}")
  file(MAKE_DIRECTORY "${_WORK}")
  run("${_AR}" x "${_PACKAGE}" WORKING_DIRECTORY "${_WORK}")
  file(REMOVE "${_PACKAGE}")
  run("${_AR}" rcD "${_PACKAGE}" debian-binary control.tar.gz data.tar.gz WORKING_DIRECTORY "${_WORK}")
endfunction()
