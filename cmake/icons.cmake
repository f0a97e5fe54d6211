# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# render_icons(pngs svg size...) renders the SVG at build time, by
# rsvg-convert, into a square PNG of each size, and sets pngs to their paths.
function(render_icons pngs svg)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(made)
  foreach(size IN LISTS ARGN)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${svg}
      DEPENDS ${svg} VERBATIM)
    list(APPEND made ${png})
  endforeach()
  set(${pngs} ${made} PARENT_SCOPE)
endfunction()
