# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Compiles the game for the browser with Debian's emscripten.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The flags in the environment are the building machine's, for its own
# compiler and linker (-fstack-protector-strong, say, whose guard the page
# has not): this build sets its own.
foreach(flags CFLAGS CXXFLAGS CPPFLAGS LDFLAGS)
  unset(ENV{${flags}})
endforeach()
