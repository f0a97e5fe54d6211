# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Where players look for the game: its icon, drawn once in desktop/guess.svg
# and rendered at build time, in guess.exe on Windows; on Linux, the icon in
# the hicolor theme, a desktop entry that opens the game in a terminal, and
# AppStream metainfo for software centres, all named by one ID.
set(GUESS_ID org.example.guess)
set(svg ${PROJECT_SOURCE_DIR}/desktop/guess.svg)

# The sizes that each system shows; 256 is stored in the .ico as PNG.
if(WIN32)
  set(sizes 16 24 32 48 256)
  find_program(ICOTOOL icotool REQUIRED)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
else()
  set(sizes 16 24 32 48 64 128 256)
  find_program(RSVG_CONVERT rsvg-convert)
  if(NOT RSVG_CONVERT)
    message(STATUS "rsvg-convert (librsvg2-bin) is not installed: only the scalable icon is installed")
    set(sizes)
  endif()
endif()
set(pngs)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/icons)
foreach(size IN LISTS sizes)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
  list(APPEND pngs ${png})
endforeach()

if(WIN32)
  list(POP_BACK pngs large)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/guess.ico
    COMMAND ${ICOTOOL} --create --output=${PROJECT_BINARY_DIR}/guess.ico ${pngs} --raw=${large}
    DEPENDS ${pngs} ${large} VERBATIM)
  target_sources(guess PRIVATE ${PROJECT_BINARY_DIR}/guess.ico)
  set_source_files_properties(${PROJECT_BINARY_DIR}/guess.rc PROPERTIES
                              OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/guess.ico)
  return()
endif()

add_custom_target(icons ALL DEPENDS ${pngs})
set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(icon_folders scalable)
foreach(size png IN ZIP_LISTS sizes pngs)
  install(FILES ${png} DESTINATION ${hicolor}/${size}x${size}/apps RENAME ${GUESS_ID}.png)
  list(APPEND icon_folders ${size}x${size})
endforeach()
install(FILES ${svg} DESTINATION ${hicolor}/scalable/apps RENAME ${GUESS_ID}.svg)

configure_file(desktop/guess.desktop.in ${GUESS_ID}.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${GUESS_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The releases are those of NEWS.md, headed "## VERSION (Www DD Mmm YYYY)",
# each with its notes as a list. Semicolons stand aside meanwhile, so that
# CMake's lists keep each entry whole.
file(READ NEWS.md news)
string(REPLACE "&" "&amp;" news "${news}")
string(REPLACE "<" "&lt;" news "${news}")
string(REPLACE ">" "&gt;" news "${news}")
string(REPLACE ";" "<semicolon>" news "${news}")
string(REGEX REPLACE "`([^`]*)`" "<code>\\1</code>" news "${news}")
string(REGEX MATCHALL "## [0-9.]+ \\([A-Za-z]+ [0-9]+ [A-Za-z]+ [0-9]+\\)\n\n[^#]*" entries "${news}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(releases)
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^## ([0-9.]+) \\([A-Za-z]+ ([0-9]+) ([A-Za-z]+) ([0-9]+)\\)\n\n(.*)" _ "${entry}")
  set(version ${CMAKE_MATCH_1})
  list(FIND months ${CMAKE_MATCH_3} month)
  math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
  string(LENGTH "${month}" digits)
  if(digits EQUAL 1)
    set(month 0${month})
  endif()
  set(date "${CMAKE_MATCH_4}-${month}-${CMAKE_MATCH_2}")
  string(STRIP "${CMAKE_MATCH_5}" notes)
  string(REGEX REPLACE "\n +" " " notes "${notes}")
  string(REGEX REPLACE "(^|\n)- ([^\n]*)" "\\1          <li>\\2</li>" notes "${notes}")
  string(APPEND releases "    <release version=\"${version}\" date=\"${date}\">\n"
         "      <description>\n        <ul>\n${notes}\n        </ul>\n      </description>\n"
         "    </release>\n")
endforeach()
string(REPLACE "<semicolon>" ";" releases "${releases}")
configure_file(desktop/guess.metainfo.xml.in ${GUESS_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${GUESS_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
