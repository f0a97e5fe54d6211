# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# What the tests of every folder share. The Python tests run on the
# interpreter itself, found once, not on a version manager's shim in front of
# it, which would cost each run a third of a second; they import their
# support (tests/support/) from PYTHONPATH. They take the game's command,
# with the emulator that runs a cross-built game, and the build from the
# environment. Each folder calls tests_done() once it has added its tests.
if(NOT GUESS_PYTHON)
  find_program(PYTHON3 python3 REQUIRED)
  execute_process(COMMAND ${PYTHON3} -c "import sys; print(sys.executable)"
                  OUTPUT_VARIABLE python OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set_property(CACHE GUESS_PYTHON PROPERTY VALUE ${python})
endif()
set(skipped ${PROJECT_BINARY_DIR}/skipped.txt)

# A skipped test (status 77) notes why in one file, which CTest empties
# before the tests and shows after them. Each test has a deadline of its own,
# GUESS_SECONDS, before CTest's timeout, which one added without gets too.
function(tests_done)
  get_directory_property(tests TESTS)
  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
  set_tests_properties(${tests} PROPERTIES SKIP_RETURN_CODE 77)
  set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT GUESS_SKIPPED=${skipped}
    PYTHONPATH=${PROJECT_SOURCE_DIR}/tests GUESS_BUILD=${PROJECT_BINARY_DIR}
    "GUESS_GAME=${emulator} $<TARGET_FILE:guess>")
  foreach(test IN LISTS tests)
    get_test_property(${test} TIMEOUT timeout)
    if(NOT timeout)
      set(timeout 120)
      set_tests_properties(${test} PROPERTIES TIMEOUT ${timeout})
    endif()
    math(EXPR own "${timeout} * 9 / 10")
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT GUESS_SECONDS=${own})
  endforeach()
endfunction()

file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/CTestCustom.cmake CONTENT [[
set(CTEST_CUSTOM_PRE_TEST "\"${CMAKE_COMMAND}\" -E rm -f \"${skipped}\"")
set(CTEST_CUSTOM_POST_TEST "\"${CMAKE_COMMAND}\" -E touch \"${skipped}\""
                           "\"${CMAKE_COMMAND}\" -E cat \"${skipped}\"")
]])
