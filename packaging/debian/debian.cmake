# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The Debian package: CPack's settings, its changelog (the newest entry of
# NEWS.md, with Debian's bullets) and its machine-readable copyright file
# (with the licence from LICENSE); stage.cmake and repack.cmake beside this
# file lay it out and pack it again. Included by packaging/CMakeLists.txt,
# which gives it the revision, the release and the newest entry's fields.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${revision})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

string(REPLACE "\n  " "\n    " changes "${notes}")
string(REGEX REPLACE "(^|\n)- " "\\1  * " changes "${changes}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog.Debian @ONLY)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" terms "${licence}")
set(holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "\n\n" "\n.\n" terms "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " terms "${terms}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in copyright @ONLY)
