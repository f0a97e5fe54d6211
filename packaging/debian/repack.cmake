# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Included by repack.cmake for each .deb: CPack gives its three members the
# modes that the umask gave their files. ar's deterministic mode gives them
# 0644, owner 0 and time 0.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/members")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
run("${ar}" x "${package}" WORKING_DIRECTORY "${work}")
file(REMOVE "${package}")
run("${ar}" rcD "${package}" debian-binary control.tar.gz data.tar.gz WORKING_DIRECTORY "${work}")
