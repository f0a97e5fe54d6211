# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# What the Linux toolchain files beside this one share: Debian's cross
# compiler for the triplet, GoogleTest for the target from Debian's multiarch
# packages, and the programs run under qemu-user with the cross compiler's C
# library, for the tests.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${triplet})
set(CMAKE_CROSSCOMPILING_EMULATOR ${qemu} -L /usr/${triplet})
