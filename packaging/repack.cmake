# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Run by CPack for each package once it is made, before it is copied out and
# its checksum taken: the steps that the kind of package registered for its
# generator pack again what CPack packs the way the build machine happens to
# be set up, each package being in package.

cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  foreach(step IN LISTS CPACK_GUESS_REPACK_${CPACK_GENERATOR})
    include("${step}")
  endforeach()
endforeach()
