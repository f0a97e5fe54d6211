# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Cross-compiles the Linux armhf program: 32-bit Raspberry Pi OS on ARMv7 and
# later, and Debian's armhf.
set(triplet arm-linux-gnueabihf)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
set(qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
