# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The RPM: CPack's settings, its changelog (the newest entry of NEWS.md), and
# the spec that the source archive carries for rpmbuild -ta; stage.cmake
# beside this file lays it out. Included by packaging/CMakeLists.txt, which
# gives it the revision, the release and the newest entry's fields.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
if(CMAKE_CROSSCOMPILING)
  set(CPACK_RPM_PACKAGE_ARCHITECTURE ${CMAKE_SYSTEM_PROCESSOR}) # not the building machine's
endif()
set(CPACK_RPM_PACKAGE_RELEASE ${revision})
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_GROUP "Amusements/Games")
set(CPACK_RPM_PACKAGE_SUMMARY "Number-guessing game for the console")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# The folders that the system's own packages own, the icon theme's among them.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/licenses /usr/share/man
    /usr/share/man/man6 /usr/share/applications /usr/share/metainfo /usr/share/icons
    /usr/share/icons/hicolor)
foreach(folder scalable 16x16 22x22 24x24 32x32 48x48 64x64 96x96 128x128 256x256 512x512)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/icons/hicolor/${folder}
       /usr/share/icons/hicolor/${folder}/apps)
endforeach()
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CPACK_PACKAGE_CONTACT}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none")

set(changes "${notes}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog.rpm @ONLY)
set(CPACK_RPM_CHANGELOG_FILE "${CMAKE_CURRENT_BINARY_DIR}/changelog.rpm")
file(READ "${CMAKE_CURRENT_BINARY_DIR}/changelog.rpm" spec_changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/guess.spec.in guess.spec @ONLY)
