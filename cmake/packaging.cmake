# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The packages: a Debian package and an RPM on Linux, a ZIP on Windows, and
# the source archive. Two builds of one commit give the same bytes, from a git
# checkout or from the source archive.

# Every tool that stamps a time stamps the time of the commit: SOURCE_DATE_EPOCH
# when it is set, else, in a checkout, the last commit's time, else the time
# that git archive writes in here when it makes the source archive
# (export-subst, in .gitattributes). A release from a checkout is refused
# while it has changes that are not committed (stage.cmake.in).
set(GUESS_EPOCH "$Format:%ct$")
if(EXISTS "${PROJECT_SOURCE_DIR}/.git")
  set(GUESS_CHECKOUT "${PROJECT_SOURCE_DIR}")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                  OUTPUT_VARIABLE GUESS_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(GUESS_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(NOT GUESS_EPOCH MATCHES "^[0-9]+$")
  set(GUESS_EPOCH "") # a copy that is neither: nothing to date it from
endif()
if(WIN32 AND GUESS_EPOCH)
  # The PE linker writes the time into the file's header.
  set_target_properties(guess PROPERTIES CXX_LINKER_LAUNCHER
    "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=${GUESS_EPOCH}")
endif()

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_VENDOR "The guess authors")
set(CPACK_PACKAGE_CONTACT "The guess developers <guess@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-guessing game for the console")
set(CPACK_PACKAGE_DESCRIPTION [[
A console game for one player. Each game draws a number from 1 to 20 at
random, and the player has three wrong guesses to find it; invalid input is
rejected and costs nothing. After each game the player may play again.]])
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_RELOCATABLE OFF)
# Each kind of package gets its documentation and manual in its own form,
# found where the install paths put them under the packages' prefix, /usr.
foreach(dir BINDIR MANDIR DOCDIR)
  cmake_path(ABSOLUTE_PATH CMAKE_INSTALL_${dir} BASE_DIRECTORY /usr NORMALIZE
             OUTPUT_VARIABLE packaged_${dir})
endforeach()
if(GUESS_INSTALL_LICENSEDIR)
  cmake_path(ABSOLUTE_PATH GUESS_INSTALL_LICENSEDIR BASE_DIRECTORY /usr NORMALIZE
             OUTPUT_VARIABLE packaged_licence)
  string(APPEND packaged_licence /LICENSE)
endif()
configure_file(cmake/stage.cmake.in stage.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_BINARY_DIR}/stage.cmake")
# And each package gets the same bytes whatever the builder's umask, user,
# time zone and file system.
configure_file(cmake/repack.cmake.in repack.cmake @ONLY)
set(CPACK_POST_BUILD_SCRIPTS "${PROJECT_BINARY_DIR}/repack.cmake")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "guess-${PROJECT_VERSION}-windows-x86_64")
  # The linker has stripped the program, with the commit's time stamped.
  set(CPACK_STRIP_FILES OFF)
  # And the installer, made by wixl (msitools) from the same files; the
  # upgrade code names the game in every version.
  set(GUESS_UPGRADE_CODE ea8014d9-aa24-4a94-8126-4d71f2855a31)
  find_program(WIXL wixl)
  find_program(MSIINFO msiinfo)
  find_program(MSIBUILD msibuild)
  configure_file(cmake/guess.wxs.in guess.wxs @ONLY)
  configure_file(cmake/installer.cmake.in installer.cmake @ONLY)
  if(WIXL AND MSIINFO AND MSIBUILD)
    add_custom_target(installer COMMAND ${CMAKE_COMMAND} -P installer.cmake VERBATIM)
    add_dependencies(installer guess notices)
  else()
    add_custom_target(installer COMMAND ${CMAKE_COMMAND} -E false
                      COMMENT "The installer needs wixl and msitools, which are not installed")
  endif()
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
if(CMAKE_CROSSCOMPILING)
  set(CPACK_RPM_PACKAGE_ARCHITECTURE ${CMAKE_SYSTEM_PROCESSOR}) # not the building machine's
endif()
set(CPACK_RPM_PACKAGE_RELEASE ${revision})
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_GROUP "Amusements/Games")
set(CPACK_RPM_PACKAGE_SUMMARY "Number-guessing game for the console")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# The folders that the system's own packages own.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/licenses /usr/share/man
    /usr/share/man/man6 /usr/share/applications /usr/share/metainfo /usr/share/icons
    /usr/share/icons/hicolor)
foreach(folder IN LISTS icon_folders)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/icons/hicolor/${folder}
       /usr/share/icons/hicolor/${folder}/apps)
endforeach()
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CPACK_PACKAGE_CONTACT}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none")

# The changelogs of the packages are the newest entry of NEWS.md, whose
# heading reads "## VERSION (Www DD Mmm YYYY)"; Debian's has its own bullets.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS.md LICENSE)
file(READ NEWS.md news)
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
configure_file(cmake/changelog.rpm.in changelog.rpm @ONLY)
set(CPACK_RPM_CHANGELOG_FILE "${PROJECT_BINARY_DIR}/changelog.rpm")
# The spec that the source archive carries for rpmbuild -ta.
file(READ "${PROJECT_BINARY_DIR}/changelog.rpm" spec_changelog)
configure_file(cmake/guess.spec.in guess.spec @ONLY)
string(REPLACE "\n  " "\n    " changes "${changes}")
string(REGEX REPLACE "(^|\n)- " "\\1  * " changes "${changes}")
configure_file(cmake/changelog.Debian.in changelog.Debian @ONLY)

# Debian's machine-readable copyright file, with the licence from LICENSE.
file(READ LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" terms "${licence}")
set(holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "\n\n" "\n.\n" terms "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " terms "${terms}")
configure_file(cmake/copyright.in copyright @ONLY)

include(CPack)

# The source archive: what is committed, in guess-VERSION/, from git archive,
# into dist/ beside the packages, with files of modes 0644 and 0755 whatever
# git's settings. A source archive cannot make another.
set(archive "guess-${PROJECT_VERSION}.tar.gz")
if(GUESS_CHECKOUT)
  add_custom_target(source-archive
    COMMAND ${CMAKE_COMMAND} -E make_directory dist
    COMMAND git -c tar.umask=0022 archive --prefix=guess-${PROJECT_VERSION}/
            --add-file=${PROJECT_BINARY_DIR}/guess.spec -o dist/${archive} HEAD
    COMMAND sh -c "cd dist && sha256sum ${archive} >${archive}.sha256"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
else()
  add_custom_target(source-archive COMMAND ${CMAKE_COMMAND} -E echo
    "This is not a git checkout, so no source archive is made: the source is one already.")
endif()
