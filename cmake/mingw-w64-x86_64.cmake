# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Cross-compiles the Windows x86-64 console program with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The flags in the environment are the building machine's, for its own
# compiler and linker (-z relro, say, which the PE linker refuses): this
# build sets its own.
foreach(flags CFLAGS CXXFLAGS CPPFLAGS LDFLAGS RCFLAGS)
  unset(ENV{${flags}})
endforeach()

# A bare Windows has no C++ or GCC runtime DLLs: link them into the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
