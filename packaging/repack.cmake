# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Run by CPack for each package once it is made: the steps that the kind of
# package registered for its generator pack again what CPack packs the way
# the build machine happens to be set up, each package being in package. A
# release's packages (CPACK_GUESS_DIST, which the release presets set) then
# go to dist/, but for the External generator's own account of what it made.

cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/release.cmake")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  foreach(step IN LISTS CPACK_GUESS_REPACK_${CPACK_GENERATOR})
    include("${step}")
  endforeach()
  if(CPACK_GUESS_DIST AND NOT package MATCHES "\\.json$")
    release(FILE "${package}" DIST "${CPACK_GUESS_DIST}" EPOCH "${CPACK_GUESS_EPOCH}"
            CHECKOUT "${CPACK_GUESS_CHECKOUT}")
  endif()
endforeach()
