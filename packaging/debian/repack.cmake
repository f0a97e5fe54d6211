# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Packs the .deb in package again, in a folder of its own: CPack gives its
# three members the modes that the umask gave their files. ar's deterministic
# mode gives them 0644, owner 0 and time 0. A step of repack.cmake.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/members")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
run("${CPACK_GUESS_AR}" x "${package}" WORKING_DIRECTORY "${work}")
file(REMOVE "${package}")
run("${CPACK_GUESS_AR}" rcD "${package}" debian-binary control.tar.gz data.tar.gz WORKING_DIRECTORY "${work}")
