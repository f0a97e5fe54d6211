# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# The RPM's files, included by stage.cmake: the manual compressed and the
# licence apart, as Fedora's and openSUSE's own packages have them, and no
# compiler's notes in the program.
run(gzip -9n "${manual}")
if(licence)
  file(MAKE_DIRECTORY "${prefix}/share/licenses/guess")
  file(RENAME "${root}${licence}" "${prefix}/share/licenses/guess/LICENSE")
endif()
run("${objcopy}" --remove-section=.comment "${program}")
