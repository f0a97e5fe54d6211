# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# Writes NOTICES.txt for guess.exe, which is linked statically: the notices
# of what the linker took from the compiler's libraries, as its map lists
# them, with the texts from Debian's copyright file of the MinGW-w64 runtime.
# A library, or a member of libmingwex.a, that is not known here stops the
# build: its licence must be looked up and its notice added first.
# Run as cmake -DMAP=guess.map -DCOPYRIGHT=copyright -DOUTPUT=NOTICES.txt -P.

cmake_policy(VERSION 3.20)

# GCC's libraries are under its Runtime Library Exception, which asks for no
# notice. The MinGW-w64 runtime is under ZPL-2.1; in libmingwex.a its
# conversions between numbers and text come from gdtoa, under Lucent's
# licence and, for one member, David M. Gay's.
set(GCC libstdc++.a libgcc.a libgcc_eh.a)
set(ZPL-2.1 libmingw32.a libmingwex.a libmsvcrt.a libkernel32.a)
set(libmingwex.a btowc fopen64 fseeko64 ftello64 lseek64 mingw_matherr mingw_vsnprintf
    mingw_vsprintf strnlen wcsnlen wctob wctype)
set(Lucent dmisc gdtoa gethex gmisc hd_init hexnan misc mingw_pformat smisc strtodg strtof
    strtopx sum)
set(David-Gay strtodnrp)

file(STRINGS "${MAP}" taken REGEX "^/[^ ]+/lib[^/ ]+\\.a\\([^)]+\\)")
set(used GCC) # named in every case: guess.exe is C++
set(unknown)
foreach(line IN LISTS taken)
  string(REGEX MATCH "/(lib[^/ ]+\\.a)\\(([^)]+)\\)" _ "${line}")
  set(library "${CMAKE_MATCH_1}")
  set(object "${CMAKE_MATCH_2}")
  string(REGEX REPLACE "^lib64_libmingwex_a-|\\.o$" "" member "${object}")
  if(library IN_LIST GCC)
  elseif(library STREQUAL "libmingwex.a" AND member IN_LIST Lucent)
    list(APPEND used ZPL-2.1 Lucent)
  elseif(library STREQUAL "libmingwex.a" AND member IN_LIST David-Gay)
    list(APPEND used ZPL-2.1 Lucent David-Gay)
  elseif(library IN_LIST ZPL-2.1 AND (NOT library STREQUAL "libmingwex.a"
                                      OR member IN_LIST libmingwex.a))
    list(APPEND used ZPL-2.1)
  else()
    list(APPEND unknown "${library}(${object})")
  endif()
endforeach()
if(unknown)
  list(REMOVE_DUPLICATES unknown)
  list(JOIN unknown "\n  " unknown)
  message(FATAL_ERROR "guess.exe takes code whose licence packaging/windows/notices.cmake does not know:\n"
          "  ${unknown}\nFind its licence and add its notice there.")
endif()

# The paragraph of Debian's copyright file that holds a licence's text, with
# the copyright before it.
file(READ "${COPYRIGHT}" debian)
function(append_terms licence)
  string(REGEX MATCH "\nCopyright: ([^\n]*(\n [^\n]*)*)\nLicense: ${licence}\n(( [^\n]*\n)+)" _
         "${debian}")
  if(NOT CMAKE_MATCH_3)
    message(FATAL_ERROR "${COPYRIGHT} has no text of ${licence}")
  endif()
  set(holders "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "\n \\.?" "\n" text "\n${CMAKE_MATCH_3}")
  string(APPEND notices "Copyright: ${holders}\nLicense: ${licence}\n${text}\n")
  set(notices "${notices}" PARENT_SCOPE)
endfunction()

set(notices [[
Notices of the code in guess.exe that is not the game's own
=============================================================

guess.exe needs no DLL of its own: the game's code, under the MIT licence in
LICENSE.txt, is linked with parts of the libraries of the compiler that built
it, MinGW-w64's GCC. These are their terms.

GCC's C++ library and runtime (libstdc++, libgcc)
-------------------------------------------------

GNU General Public License, version 3, with the
GCC Runtime Library Exception, version 3.1: a program that GCC compiled may
be distributed under terms of its own.

]])
if("ZPL-2.1" IN_LIST used)
  string(APPEND notices "The MinGW-w64 runtime (libmingw32, libmingwex, libmsvcrt)\n"
         "----------------------------------------------------------\n\n")
  append_terms(ZPL-2.1)
endif()
if("Lucent" IN_LIST used)
  string(APPEND notices "Conversions between numbers and text in the MinGW-w64 runtime (gdtoa)\n"
         "---------------------------------------------------------------------\n\n")
  append_terms(Lucent)
endif()
if("David-Gay" IN_LIST used)
  append_terms(David-Gay)
endif()
string(REPLACE "\n" "\r\n" notices "${notices}")
file(WRITE "${OUTPUT}" "${notices}")
