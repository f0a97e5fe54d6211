# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# package_debian(REVISION revision CONTACT contact LICENSE file NOTES notes
#                WEEKDAY weekday DAY day MONTH month YEAR year)
# sets CPack up for the Debian package of this revision, and writes its
# changelog (the notes of the version's entry in NEWS.md and its date, with
# Debian's bullets) and its machine-readable copyright file (with the licence
# from the file given). It registers the steps beside this file, which lay
# the package out and pack it again (stage.cmake, repack.cmake).
function(package_debian)
  arguments(REVISION CONTACT LICENSE NOTES WEEKDAY DAY MONTH YEAR)
  set(CPACK_GUESS_STAGE_DEB ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/stage.cmake PARENT_SCOPE)
  set(CPACK_GUESS_REPACK_DEB ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/repack.cmake PARENT_SCOPE)
  set(CPACK_GUESS_DEBIAN ${CMAKE_CURRENT_BINARY_DIR} PARENT_SCOPE)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_RELEASE ${_REVISION} PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_SECTION games PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON PARENT_SCOPE)

  set(release "${PROJECT_VERSION}-${_REVISION}")
  string(REPLACE "\n  " "\n    " changes "${_NOTES}")
  string(REGEX REPLACE "(^|\n)- " "\\1  * " changes "${changes}")
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/changelog.in changelog.Debian @ONLY)

  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_LICENSE})
  file(READ ${_LICENSE} licence)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" terms "${licence}")
  set(holder "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "\n\n" "\n.\n" terms "${CMAKE_MATCH_2}")
  string(REPLACE "\n" "\n " terms "${terms}")
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/copyright.in copyright @ONLY)
endfunction()
