# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# run(command args... [WORKING_DIRECTORY dir]) runs a command from a script of
# the packaging, and stops the script, with the command's messages, if it fails.
function(run)
  execute_process(COMMAND ${ARGV} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
