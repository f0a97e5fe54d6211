# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Run by CPack once the project is installed in the staging folder, before
# each package is made: lays the manual and the documentation out the way
# each kind of package expects them.

cmake_policy(VERSION 3.20)

# CPack, rpmbuild and strip date what they write from the last commit.
if(CPACK_SOURCE_DATE_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_SOURCE_DATE_EPOCH}")
endif()

set(prefix "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
set(manual "${prefix}/share/man/man6/guess.6")
set(doc "${prefix}/share/doc/guess")

function(run)
  execute_process(COMMAND ${ARGV} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

if(CPACK_GENERATOR STREQUAL "DEB")
  run(gzip -9n "${manual}")
  file(COPY ${CPACK_DEBIAN_DOCS} DESTINATION "${doc}")
  run(gzip -9n "${doc}/changelog.Debian")
  configure_file("${CPACK_LINTIAN_OVERRIDES}" "${prefix}/share/lintian/overrides/guess" COPYONLY)
elseif(CPACK_GENERATOR STREQUAL "RPM")
  run(bzip2 -9 "${manual}")
  file(COPY ${CPACK_RPM_DOCS} DESTINATION "${doc}")
  file(COPY "${CPACK_LICENSE_FILE}" DESTINATION "${prefix}/share/licenses/guess")
elseif(CPACK_INSTALLED_DIRECTORIES AND EXISTS "${CPACK_SOURCE_TOP}/.git")
  # The source archive holds what is under version control, nothing else.
  execute_process(COMMAND git ls-files WORKING_DIRECTORY "${CPACK_SOURCE_TOP}"
                  OUTPUT_VARIABLE tracked COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" tracked "${tracked}")
  file(GLOB_RECURSE staged RELATIVE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
       "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
  foreach(file IN LISTS staged)
    if(NOT file IN_LIST tracked)
      file(REMOVE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${file}")
    endif()
  endforeach()
endif()

if(CPACK_GENERATOR MATCHES "^(DEB|RPM)$")
  # The compiler's version notes are of no use in an installed program.
  run("${CPACK_OBJCOPY}" --remove-section=.comment "${prefix}/games/guess")
endif()

# rpmbuild only clamps times later than the commit: files older than it, as
# in a long-lived checkout, would keep their own and change the package.
if(CPACK_SOURCE_DATE_EPOCH)
  run(find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec touch -h -d "@${CPACK_SOURCE_DATE_EPOCH}" {} +)
endif()
