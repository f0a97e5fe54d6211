# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Run by CPack for each package, once the project is installed in the staging
# folder: refuses a checkout with changes that are not committed, runs the
# steps that the kind of package registered for its generator, which lay the
# files out as its systems expect, and gives the files the usual modes and
# the commit's time. It reads all it needs from CPack's variables.

cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")

# SOURCE_DATE_EPOCH set for the packaging wins, and packages a changed tree.
set(checkout "${CPACK_GUESS_CHECKOUT}")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(checkout "")
elseif(NOT CPACK_GUESS_EPOCH STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_GUESS_EPOCH}")
endif()
if(checkout)
  execute_process(COMMAND git status --porcelain --untracked-files=no
                  WORKING_DIRECTORY "${checkout}" OUTPUT_VARIABLE changed
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(changed)
    string(REPLACE "\n" "\n  " changed "${changed}")
    message(FATAL_ERROR "Packages are made from committed files only, and these have "
            "changes:\n  ${changed}\nCommit them, or set SOURCE_DATE_EPOCH to package them "
            "as they are.")
  endif()
endif()

set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
foreach(step IN LISTS CPACK_GUESS_STAGE_${CPACK_GENERATOR})
  include("${step}")
endforeach()

# What is copied here keeps the modes that the umask of a checkout or of the
# unpacked source archive gave it; packages hold the usual ones.
run(chmod -R u=rwX,go=rX "${root}")

# rpmbuild only clamps times later than the commit: files older than it, as
# in a long-lived checkout, would keep their own and change the package.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  run(find "${root}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +)
endif()
