# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# read_news(file) reads NEWS.md, whose entries are headed
# "## VERSION (Www DD Mmm YYYY)" and list their notes, for all that is made
# from it. It sets NEWS_VERSIONS, newest first, and for each version V:
# NEWS_V_WEEKDAY, NEWS_V_DAY, NEWS_V_MONTH and NEWS_V_YEAR as its heading has
# them, NEWS_V_DATE as YYYY-MM-DD, and NEWS_V_NOTES, its notes as written.
function(read_news file)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  file(READ "${file}" news)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(versions)
  while(news MATCHES "## ([0-9.]+) \\(([A-Za-z]+) ([0-9]+) ([A-Za-z]+) ([0-9]+)\\)\n\n([^#]*)(.*)")
    set(news "${CMAKE_MATCH_7}")
    set(v "NEWS_${CMAKE_MATCH_1}")
    list(APPEND versions ${CMAKE_MATCH_1})
    set(${v}_WEEKDAY ${CMAKE_MATCH_2} PARENT_SCOPE)
    set(${v}_DAY ${CMAKE_MATCH_3} PARENT_SCOPE)
    set(${v}_MONTH ${CMAKE_MATCH_4} PARENT_SCOPE)
    set(${v}_YEAR ${CMAKE_MATCH_5} PARENT_SCOPE)
    string(STRIP "${CMAKE_MATCH_6}" notes)
    set(${v}_NOTES "${notes}" PARENT_SCOPE)
    list(FIND months ${CMAKE_MATCH_4} month)
    math(EXPR month "${month} + 1")
    if(month LESS 10)
      set(month 0${month})
    endif()
    set(${v}_DATE "${CMAKE_MATCH_5}-${month}-${CMAKE_MATCH_3}" PARENT_SCOPE)
  endwhile()
  set(NEWS_VERSIONS ${versions} PARENT_SCOPE)
endfunction()
