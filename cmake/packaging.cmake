# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The packages: a Debian package and an RPM on Linux, a ZIP on Windows, and
# the source archive. Two builds of one commit give the same bytes.

# Every tool that stamps a time stamps the time of the last commit.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(CPACK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(EXISTS "${PROJECT_SOURCE_DIR}/.git")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                  OUTPUT_VARIABLE CPACK_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(WIN32 AND CPACK_SOURCE_DATE_EPOCH)
  # The PE linker writes the time into the file's header.
  set_target_properties(guess PROPERTIES CXX_LINKER_LAUNCHER
    "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=${CPACK_SOURCE_DATE_EPOCH}")
endif()

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_VENDOR "The guess authors")
set(CPACK_PACKAGE_CONTACT "The guess developers <guess@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-guessing game for the console")
set(CPACK_PACKAGE_DESCRIPTION [[
A console game for one player. Each game draws a number from 1 to 20 at
random, and the player has three wrong guesses to find it; invalid input is
rejected and costs nothing. After each game the player may play again.]])
set(CPACK_STRIP_FILES ON)
# Each kind of package gets its documentation and manual in its own form
# (stage.cmake), and the packages made are copied to the folder a release
# names, each with its checksum (release.cmake).
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/stage.cmake")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/release.cmake")
set(CPACK_OBJCOPY "${CMAKE_OBJCOPY}")
set(CPACK_SOURCE_TOP "${PROJECT_SOURCE_DIR}")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "guess-${PROJECT_VERSION}-windows-x86_64")
  # The linker has stripped the program, with the commit's time stamped.
  set(CPACK_STRIP_FILES OFF)
else()
  set(CPACK_GENERATOR DEB RPM)
endif()

# The packaging's own revision of this version, the same in both kinds.
set(revision 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${revision})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE ${revision})
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_GROUP "Amusements/Games")
set(CPACK_RPM_PACKAGE_SUMMARY "Number-guessing game for the console")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/games /usr/share/licenses /usr/share/man
    /usr/share/man/man6)
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CPACK_PACKAGE_CONTACT}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none")

# The source archive: the files under version control, in guess-VERSION/.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "guess-${PROJECT_VERSION}")
string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" top "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES "^${top}/(\\.git|build|dist)/")

# The changelogs of the packages are the newest entry of NEWS.md, whose
# heading reads "## VERSION (Www DD Mmm YYYY)".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS.md LICENSE)
file(READ "${PROJECT_SOURCE_DIR}/NEWS.md" news)
string(REGEX MATCH "## ([0-9.]+) \\(([A-Za-z]+) ([0-9]+) ([A-Za-z]+) ([0-9]+)\\)\n\n([^#]*)"
       entry "${news}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "NEWS.md has no entry for ${PROJECT_VERSION} at the top")
endif()
set(weekday "${CMAKE_MATCH_2}")
set(day "${CMAKE_MATCH_3}")
set(month "${CMAKE_MATCH_4}")
set(year "${CMAKE_MATCH_5}")
set(release "${PROJECT_VERSION}-${revision}")
string(STRIP "${CMAKE_MATCH_6}" changes)
set(CPACK_RPM_CHANGELOG_FILE "${PROJECT_BINARY_DIR}/changelog.rpm")
file(WRITE "${CPACK_RPM_CHANGELOG_FILE}"
     "* ${weekday} ${month} ${day} ${year} ${CPACK_PACKAGE_CONTACT} - ${release}\n${changes}\n")
string(REPLACE "\n  " "\n    " changes "${changes}")
string(REGEX REPLACE "(^|\n)- " "\\1  * " changes "${changes}")
file(WRITE "${PROJECT_BINARY_DIR}/changelog.Debian" "guess (${release}) unstable; urgency=medium

${changes}

 -- ${CPACK_PACKAGE_CONTACT}  ${weekday}, ${day} ${month} ${year} 00:00:00 +0000
")

# Debian's machine-readable copyright file, with the licence from LICENSE.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*)" terms "${licence}")
set(holder "${CMAKE_MATCH_1}")
set(terms "${CMAKE_MATCH_2}")
string(STRIP "${terms}" terms)
string(REGEX REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REGEX REPLACE "\n" "\n " terms "${terms}")
file(WRITE "${PROJECT_BINARY_DIR}/copyright"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: guess
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}

Files: *
Copyright: ${holder}
License: Expat

License: Expat
 ${terms}
")
set(CPACK_DEBIAN_DOCS "${PROJECT_BINARY_DIR}/changelog.Debian" "${PROJECT_BINARY_DIR}/copyright")
set(CPACK_LINTIAN_OVERRIDES "${CMAKE_CURRENT_LIST_DIR}/lintian-overrides")
set(CPACK_RPM_DOCS "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/NEWS.md")
set(CPACK_LICENSE_FILE "${PROJECT_SOURCE_DIR}/LICENSE")

include(CPack)
