# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# page_notices(var COPYRIGHT file LICENSES folder) sets var to the notices,
# as HTML text, of the code that emscripten puts into the page besides the
# game's own: its JavaScript runtime and the libraries that every C++ program
# of it links, the C library (musl), libc++, libc++abi and compiler-rt. Their
# paragraphs come from Debian's copyright file of emscripten, with the texts
# of the licences that they name; one that is not found stops the build.
function(page_notices var)
  cmake_parse_arguments(PARSE_ARGV 1 "" "" "COPYRIGHT;LICENSES" "")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_COPYRIGHT}")
  file(READ "${_COPYRIGHT}" debian)
  set(notices "The page holds the game's code, under the MIT licence, with code of\n"
      "emscripten, which compiled it. These are the terms of emscripten's code.\n\n")
  foreach(files "\\*" "system/lib/libc/musl/\\*" "system/lib/libcxx/\\*"
                "system/lib/libcxxabi/\\*" "system/lib/compiler-rt/\\*")
    if(NOT debian MATCHES "\nFiles:\n ${files}\n([^\n]+\n)+")
      message(FATAL_ERROR "${_COPYRIGHT} has no paragraph for ${files}")
    endif()
    string(APPEND notices "${CMAKE_MATCH_0}")
  endforeach()
  foreach(licence Expat Apache-2.0)
    if(NOT debian MATCHES "\n\nLicense: ${licence}\n([^\n]+\n)+")
      message(FATAL_ERROR "${_COPYRIGHT} has no text of ${licence}")
    endif()
    string(APPEND notices "${CMAKE_MATCH_0}")
  endforeach()
  file(READ "${_LICENSES}/Apache-2.0" apache)
  string(APPEND notices "\n${apache}")
  string(REPLACE "&" "&amp;" notices "${notices}")
  string(REPLACE "<" "&lt;" notices "${notices}")
  string(REPLACE ">" "&gt;" notices "${notices}")
  set(${var} "${notices}" PARENT_SCOPE)
endfunction()
