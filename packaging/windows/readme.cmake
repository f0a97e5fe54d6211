# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# README.txt, which the Windows downloads carry, made from the parts of
# README.md for Windows players: as plain text with CRLF line ends, which
# every Notepad shows. A part that is not found stops the build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)
file(READ ${PROJECT_SOURCE_DIR}/README.md markdown)
set(readme)
# Each part runs from its heading to the next heading of any level.
foreach(heading "# guess" "## Playing" "### In a Windows console" "## Licence")
  string(FIND "${markdown}" "\n${heading}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "README.md has no heading \"${heading}\", whose part README.txt needs")
  endif()
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${markdown}" ${at} -1 part)
  string(FIND "${part}" "\n#" end)
  string(SUBSTRING "${part}" 0 ${end} part)
  string(APPEND readme "${part}\n")
endforeach()
string(STRIP "${readme}" readme)
string(REPLACE "`LICENSE`" "`LICENSE.txt`" readme "${readme}\n")
string(REGEX REPLACE "```[a-z]*\n|`" "" readme "${readme}")
# Headings underlined, as plain text marks them: = for the title, - for the
# parts, ~ for their subsections.
string(REGEX MATCHALL "(^|\n)#+ [^\n]+" headings "${readme}")
foreach(heading IN LISTS headings)
  string(REGEX MATCH "^(\n?)(#+) (.*)" parts "${heading}")
  set(title "${CMAKE_MATCH_1}${CMAKE_MATCH_3}")
  string(LENGTH "${CMAKE_MATCH_2}" level)
  math(EXPR level "${level} - 1")
  string(SUBSTRING "=-~" ${level} 1 mark)
  string(LENGTH "${CMAKE_MATCH_3}" length)
  string(REPEAT "${mark}" ${length} rule)
  string(REPLACE "${heading}\n" "${title}\n${rule}\n" readme "${readme}")
endforeach()
file(CONFIGURE OUTPUT README.txt CONTENT "${readme}" @ONLY NEWLINE_STYLE CRLF)
