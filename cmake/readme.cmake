# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The README that the installed game carries, made from README.md: the
# players' part, without what is for the other system, for installing or for
# developers. Windows gets it as plain text with CRLF line ends, which every
# Notepad shows, and with the licence's file name there.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS README.md)
file(READ README.md readme)
string(REGEX REPLACE "^<!--[^>]*-->\n+" "" readme "${readme}")
string(REGEX REPLACE "\n## Installing\n.*(\n## Licence\n)" "\\1" readme "${readme}")
if(WIN32)
  string(REGEX REPLACE "\n### On a Linux desktop\n.*(\n### In a Windows console\n)" "\\1"
         readme "${readme}")
  string(REPLACE "`LICENSE`" "`LICENSE.txt`" readme "${readme}")
  string(REGEX REPLACE "```[a-z]*\n|`" "" readme "${readme}")
  # Headings underlined, as plain text marks them: = for the title, - for
  # the parts, ~ for their subsections.
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
  configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
else()
  string(REGEX REPLACE "\n### In a Windows console\n.*(\n## Licence\n)" "\\1" readme "${readme}")
  file(CONFIGURE OUTPUT README.md CONTENT "${readme}" @ONLY)
endif()
