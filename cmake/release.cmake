# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Run by CPack once a package is made: a release (GUESS_RELEASE_DIR, set by
# the release presets) gets a copy of each package beside its SHA-256 sum,
# in the form that sha256sum -c reads.
if(NOT GUESS_RELEASE_DIR)
  return()
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name "${package}" NAME)
  file(COPY "${package}" DESTINATION "${GUESS_RELEASE_DIR}")
  file(SHA256 "${package}" sum)
  file(WRITE "${GUESS_RELEASE_DIR}/${name}.sha256" "${sum}  ${name}\n")
endforeach()
