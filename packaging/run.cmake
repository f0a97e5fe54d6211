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
