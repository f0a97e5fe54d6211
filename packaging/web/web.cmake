# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# package_web(PAGE page SVG svg) installs the folder that a static host
# serves: the page as index.html; its web app manifest, with the colour of
# the icon's tile; the worker that keeps the page for playing offline, its
# cache named by the version and the commit's time; and the icon at the sizes
# that the manifest names, one of them maskable (the tile's colour to the
# edges, the icon within the middle 70%). It sets CPack up for the folder's
# ZIP, packed again as the Windows ZIP is (zip.cmake).
function(package_web)
  arguments(PAGE SVG)
  set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  file(READ ${_SVG} svg)
  string(REGEX MATCH "<rect [^>]*fill=\"(#[0-9a-f]+)\"" _ "${svg}")
  set(tile ${CMAKE_MATCH_1})
  include(${PROJECT_SOURCE_DIR}/cmake/icons.cmake)
  render_icons(pngs ${_SVG} 192 512)
  set(maskable ${CMAKE_CURRENT_BINARY_DIR}/icons/maskable.png)
  add_custom_command(OUTPUT ${maskable}
    COMMAND ${RSVG_CONVERT} --width 360 --height 360 --page-width 512 --page-height 512 --left 76 --top 76
            --background-color ${tile} --output ${maskable} ${_SVG}
    DEPENDS ${pngs} VERBATIM)
  add_custom_target(icons ALL DEPENDS ${maskable})
  configure_file(${here}/manifest.webmanifest.in manifest.webmanifest @ONLY)
  configure_file(${here}/sw.js.in sw.js @ONLY)
  install(FILES ${_PAGE} DESTINATION . RENAME index.html)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest ${CMAKE_CURRENT_BINARY_DIR}/sw.js
          DESTINATION .)
  install(FILES ${pngs} ${maskable} DESTINATION icons)
  set(CPACK_GENERATOR ZIP PARENT_SCOPE)
  set(CPACK_GUESS_REPACK_ZIP ${here}/../zip.cmake PARENT_SCOPE)
  set(CPACK_PACKAGE_FILE_NAME "guess-${PROJECT_VERSION}-web" PARENT_SCOPE)
  set(CPACK_STRIP_FILES OFF PARENT_SCOPE)
endfunction()
