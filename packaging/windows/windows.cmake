# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The notices that the Windows program's static link owes, its texts with
# Windows line ends, and its packages: the ZIP, and the installer, which wixl
# makes from guess.wxs.in. Included by packaging/CMakeLists.txt.
set(here ${CMAKE_CURRENT_LIST_DIR})

# The program's icon and link map, as src/ builds them with the program.
set(ico ${PROJECT_BINARY_DIR}/src/guess.ico)
set(map ${PROJECT_BINARY_DIR}/src/guess.map)

# The notices that the code linked in from the compiler's libraries owes,
# as the linker's map lists it.
add_custom_command(OUTPUT NOTICES.txt
  COMMAND ${CMAKE_COMMAND} -DMAP=${map} -DCOPYRIGHT=${GUESS_MINGW_COPYRIGHT}
          -DOUTPUT=NOTICES.txt -P ${here}/notices.cmake
  DEPENDS guess ${here}/notices.cmake ${GUESS_MINGW_COPYRIGHT} VERBATIM)
add_custom_target(notices ALL DEPENDS NOTICES.txt)

include(${here}/readme.cmake)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS guess RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
        ${CMAKE_CURRENT_BINARY_DIR}/NOTICES.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_GUESS_REPACK_ZIP ${here}/repack.cmake)
set(CPACK_PACKAGE_FILE_NAME "guess-${PROJECT_VERSION}-windows-x86_64")
set(CPACK_STRIP_FILES OFF) # the linker has stripped the program

# The installer is per machine, in Program Files: the game is one program for
# everyone who uses the machine, where Windows users and their administrators
# expect programs, and no user can change it; the price is one consent prompt
# when installing. The upgrade code names the game in every version.
set(GUESS_UPGRADE_CODE ea8014d9-aa24-4a94-8126-4d71f2855a31)
configure_file(${here}/guess.wxs.in guess.wxs @ONLY)
configure_file(${here}/installer.cmake.in installer.cmake @ONLY)
add_custom_target(installer COMMAND ${CMAKE_COMMAND} -P installer.cmake VERBATIM)
add_dependencies(installer guess notices)
