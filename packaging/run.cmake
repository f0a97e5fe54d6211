# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# run(command args... [WORKING_DIRECTORY dir]) runs a command from a script of
# the packaging, and stops the script, with the command's messages, if it fails.
function(run)
  execute_process(COMMAND ${ARGV} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# arguments(keyword...) parses the arguments of the function that calls it,
# one value to each keyword, into _KEYWORD, and stops the build naming a
# keyword that the function does not know, or one that the call leaves out.
macro(arguments)
  cmake_parse_arguments(PARSE_ARGV 0 "" "" "${ARGN}" "")
  if(_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "${CMAKE_CURRENT_FUNCTION}() does not take ${_UNPARSED_ARGUMENTS}")
  endif()
  foreach(keyword IN ITEMS ${ARGN})
    if(NOT keyword IN_LIST ARGV) # the function's own arguments, one of them maybe empty
      message(FATAL_ERROR "${CMAKE_CURRENT_FUNCTION}() needs ${keyword}")
    endif()
  endforeach()
endmacro()

# dated(epoch path...) gives every file under the paths the time of the
# commit: SOURCE_DATE_EPOCH where it is set, else epoch, the commit's time,
# which it then sets for the tools that stamp a time (none where neither is
# known). rpmbuild and zip only clamp times later than it: files older than
# the commit, as in a long-lived checkout, would keep their own.
function(dated epoch)
  if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT epoch STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  endif()
  if(DEFINED ENV{SOURCE_DATE_EPOCH} AND ARGN)
    run(find ${ARGN} -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +)
  endif()
endfunction()

# escape_xml(variable) escapes the text in the variable for XML and HTML.
function(escape_xml variable)
  string(REPLACE "&" "&amp;" text "${${variable}}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
