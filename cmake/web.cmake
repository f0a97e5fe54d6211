# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Makes the page, PAGE, from its TEMPLATE, the game's SUMMARY and the PROGRAM
# that emscripten built, a script beside its wasm file: both go into the
# page, the wasm file deflated (gzip's, from byte 10 on) in base64 with the
# INFLATER in base64 beside it, and with them the notices of the code that
# emscripten puts into the page besides the game's own: its JavaScript
# runtime and the libraries that every C++ program of it links, the C
# library (musl), libc++, libc++abi and compiler-rt. Their paragraphs come from Debian's copyright file of
# emscripten, COPYRIGHT, with the texts of the licences that they name, from
# LICENSES; one that is not found stops the build.
cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/../packaging/run.cmake")
foreach(input TEMPLATE PROGRAM INFLATER COPYRIGHT LICENSES)
  if(NOT EXISTS "${${input}}")
    message(FATAL_ERROR "web.cmake: ${input} '${${input}}' is not there")
  endif()
endforeach()
file(READ "${COPYRIGHT}" debian)
set(notices "The page holds the game's code, under the MIT licence, with code of\n"
    "emscripten, which compiled it. These are the terms of emscripten's code.\n\n")
foreach(files "\\*" "system/lib/libc/musl/\\*" "system/lib/libcxx/\\*"
              "system/lib/libcxxabi/\\*" "system/lib/compiler-rt/\\*")
  if(NOT debian MATCHES "\nFiles:\n ${files}\n([^\n]+\n)+")
    message(FATAL_ERROR "${COPYRIGHT} has no paragraph for ${files}")
  endif()
  string(APPEND notices "${CMAKE_MATCH_0}")
endforeach()
foreach(licence Expat Apache-2.0)
  if(NOT debian MATCHES "\n\nLicense: ${licence}\n([^\n]+\n)+")
    message(FATAL_ERROR "${COPYRIGHT} has no text of ${licence}")
  endif()
  string(APPEND notices "${CMAKE_MATCH_0}")
endforeach()
file(READ "${LICENSES}/Apache-2.0" apache)
string(APPEND notices "\n${apache}")
escape_xml(notices)

file(READ "${PROGRAM}" program)
string(REGEX REPLACE "\\.js$" ".wasm" binary "${PROGRAM}")
file(SIZE "${binary}" size)
if(size GREATER 1048576)
  message(FATAL_ERROR "${binary} has more than the 1 MiB that the page's inflater has room for")
endif()
execute_process(COMMAND gzip -9 -n -c "${binary}" COMMAND base64 -w0 OUTPUT_VARIABLE wasm
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND base64 -w0 "${INFLATER}" OUTPUT_VARIABLE inflater COMMAND_ERROR_IS_FATAL ANY)
if(program MATCHES "</script")
  message(FATAL_ERROR "${PROGRAM} holds </script, which would end the page's script early")
endif()
configure_file("${TEMPLATE}" "${PAGE}" @ONLY)
