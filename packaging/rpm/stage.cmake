# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Lays out the RPM's files, installed under root: the manual compressed and
# the licence, if it is installed, apart, as Fedora's and openSUSE's own
# packages have them, and no compiler's notes in the program. A step of
# stage.cmake.
run(gzip -9n "${root}${CPACK_GUESS_MANUAL}")
if(CPACK_GUESS_LICENSE)
  file(MAKE_DIRECTORY "${root}/usr/share/licenses/guess")
  file(RENAME "${root}${CPACK_GUESS_LICENSE}" "${root}/usr/share/licenses/guess/LICENSE")
endif()
run("${CPACK_GUESS_OBJCOPY}" --remove-section=.comment "${root}${CPACK_GUESS_PROGRAM}")
