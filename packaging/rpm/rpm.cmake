# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# package_rpm(REVISION revision CONTACT contact SUMMARY summary
#             DESCRIPTION description ID id NOTES notes
#             WEEKDAY weekday DAY day MONTH month YEAR year)
# sets CPack up for the RPM of this revision, with the summary capitalised as
# RPM's are, and writes its changelog (the notes and date of the version's
# entry in NEWS.md) and the spec that the source archive carries for
# rpmbuild -ta. It registers the step beside this file, which lays the
# package out (stage.cmake).
function(package_rpm)
  arguments(REVISION CONTACT SUMMARY DESCRIPTION ID NOTES WEEKDAY DAY MONTH YEAR)
  set(CPACK_GUESS_STAGE_RPM ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/stage.cmake PARENT_SCOPE)
  set(CPACK_RPM_FILE_NAME RPM-DEFAULT PARENT_SCOPE)
  if(CMAKE_CROSSCOMPILING) # the package is for the target, not the building machine
    set(CPACK_RPM_PACKAGE_ARCHITECTURE ${CMAKE_SYSTEM_PROCESSOR} PARENT_SCOPE)
  endif()
  set(CPACK_RPM_PACKAGE_RELEASE ${_REVISION} PARENT_SCOPE)
  # The spec says these too, and its package must hold the same files as
  # CPack's (release_test.py).
  set(license MIT)
  set(group "Amusements/Games")
  set(CPACK_RPM_PACKAGE_LICENSE ${license} PARENT_SCOPE)
  set(CPACK_RPM_PACKAGE_GROUP "${group}" PARENT_SCOPE)
  string(SUBSTRING "${_SUMMARY}" 0 1 first)
  string(SUBSTRING "${_SUMMARY}" 1 -1 rest)
  string(TOUPPER "${first}" first)
  set(summary "${first}${rest}")
  set(CPACK_RPM_PACKAGE_SUMMARY "${summary}" PARENT_SCOPE)
  set(CPACK_RPM_PACKAGE_DESCRIPTION "${_DESCRIPTION}" PARENT_SCOPE)
  # The folders that the system's own packages own, the icon theme's among them.
  set(owned /usr/share/licenses /usr/share/man /usr/share/man/man6 /usr/share/applications
      /usr/share/metainfo /usr/share/icons /usr/share/icons/hicolor)
  foreach(folder scalable 16x16 22x22 24x24 32x32 48x48 64x64 96x96 128x128 256x256 512x512)
    list(APPEND owned /usr/share/icons/hicolor/${folder} /usr/share/icons/hicolor/${folder}/apps)
  endforeach()
  set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION ${owned} PARENT_SCOPE)
  set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${_CONTACT}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none" PARENT_SCOPE)

  set(release "${PROJECT_VERSION}-${_REVISION}")
  set(changes "${_NOTES}")
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/changelog.in changelog.rpm @ONLY)
  set(CPACK_RPM_CHANGELOG_FILE "${CMAKE_CURRENT_BINARY_DIR}/changelog.rpm" PARENT_SCOPE)
  file(READ "${CMAKE_CURRENT_BINARY_DIR}/changelog.rpm" spec_changelog)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/guess.spec.in guess.spec @ONLY)
endfunction()
