# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Run by CPack for each package, once the project is installed in the staging
# folder: runs the steps that the kind of package registered for its
# generator, which lay the files out as its systems expect, and gives the
# files the usual modes and the commit's time. It reads all it needs from
# CPack's variables.

cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")

set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
foreach(step IN LISTS CPACK_GUESS_STAGE_${CPACK_GENERATOR})
  include("${step}")
endforeach()

# What is copied here keeps the modes that the umask of a checkout or of the
# unpacked source archive gave it; packages hold the usual ones.
run(chmod -R u=rwX,go=rX "${root}")
dated("${CPACK_GUESS_EPOCH}" "${root}")
