# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# release(FILE file DIST folder EPOCH epoch CHECKOUT checkout) puts a release
# file into the folder, dist/, the one way that every release file goes
# there: it refuses the checkout when its tracked files have changes that are
# not committed (a release made with SOURCE_DATE_EPOCH set, as a distribution
# sets it for a tree with its patches, gives no checkout); it dates the file
# from the commit (dated()); and it writes the file's checksum beside it, as
# sha256sum -c reads it. As a script: cmake -D FILE=... -D DIST=... -D
# EPOCH=... -D CHECKOUT=... -P release.cmake.

cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")

function(release)
  arguments(FILE DIST EPOCH CHECKOUT)
  if(_CHECKOUT)
    execute_process(COMMAND git status --porcelain --untracked-files=no
                    WORKING_DIRECTORY "${_CHECKOUT}" OUTPUT_VARIABLE changed
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(changed)
      string(REPLACE "\n" "\n  " changed "${changed}")
      message(FATAL_ERROR "Releases are made from committed files only, and these have "
              "changes:\n  ${changed}\nCommit them, or set SOURCE_DATE_EPOCH to release them "
              "as they are.")
    endif()
  endif()
  cmake_path(GET _FILE FILENAME name)
  file(MAKE_DIRECTORY "${_DIST}")
  run("${CMAKE_COMMAND}" -E copy "${_FILE}" "${_DIST}/${name}")
  file(SHA256 "${_DIST}/${name}" sum)
  file(WRITE "${_DIST}/${name}.sha256" "${sum}  ${name}\n")
  dated("${_EPOCH}" "${_DIST}/${name}" "${_DIST}/${name}.sha256")
  message(STATUS "Released ${_DIST}/${name}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  release(FILE "${FILE}" DIST "${DIST}" EPOCH "${EPOCH}" CHECKOUT "${CHECKOUT}")
endif()
