# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Cross-compiles the Linux arm64 program: 64-bit Raspberry Pi OS, ARM servers.
set(triplet aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
set(qemu qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
