# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# package_windows(ICON ico MAP map COPYRIGHT copyright UPGRADE_CODE code)
# installs the Windows program with its texts, with Windows line ends: its
# README.txt (readme.cmake), its licence, and the notices that its static
# link owes, as the linker's map lists what it took (notices.cmake, with the
# texts of Debian's copyright file of the MinGW-w64 runtime). It sets CPack up
# for its packages: the ZIP, packed again (zip.cmake), and the installer,
# which wixl makes from guess.wxs with the icon and the upgrade code
# (installer.cmake, CPack's External generator).
function(package_windows)
  arguments(ICON MAP COPYRIGHT UPGRADE_CODE)
  set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  add_custom_command(OUTPUT NOTICES.txt
    COMMAND ${CMAKE_COMMAND} -DMAP=${_MAP} -DCOPYRIGHT=${_COPYRIGHT} -DOUTPUT=NOTICES.txt
            -P ${here}/notices.cmake
    DEPENDS guess ${here}/notices.cmake ${_COPYRIGHT} VERBATIM)
  add_custom_target(notices ALL DEPENDS NOTICES.txt)
  include(${here}/readme.cmake)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS guess RUNTIME DESTINATION .)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
          ${CMAKE_CURRENT_BINARY_DIR}/NOTICES.txt DESTINATION .)

  set(CPACK_GENERATOR ZIP External PARENT_SCOPE)
  set(CPACK_GUESS_REPACK_ZIP ${here}/../zip.cmake PARENT_SCOPE)
  set(CPACK_PACKAGE_FILE_NAME "guess-${PROJECT_VERSION}-windows-x86_64" PARENT_SCOPE)
  set(CPACK_STRIP_FILES OFF PARENT_SCOPE) # the linker has stripped the program
  set(CPACK_EXTERNAL_ENABLE_STAGING ON PARENT_SCOPE)
  set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${here}/installer.cmake PARENT_SCOPE)
  set(CPACK_GUESS_ICON ${_ICON} PARENT_SCOPE)
  set(CPACK_GUESS_UPGRADE_CODE ${_UPGRADE_CODE} PARENT_SCOPE)
  set(CPACK_GUESS_DESCRIPTION "${PROJECT_DESCRIPTION}" PARENT_SCOPE)
endfunction()
