# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# package_web(TARGET target PAGE page) adds the target release-page, which
# puts the page that the target makes into dist/ as
# guess-VERSION-web.html, with its checksum: the page is the whole release
# for browsers, a file to open, download or serve as it is.
function(package_web)
  arguments(TARGET PAGE)
  set(name guess-${PROJECT_VERSION}-web.html)
  add_custom_target(release-page
    COMMAND ${CMAKE_COMMAND} -E make_directory dist
    COMMAND ${CMAKE_COMMAND} -E copy ${_PAGE} dist/${name}
    COMMAND sh -c "cd dist && sha256sum ${name} >${name}.sha256"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
  add_dependencies(release-page ${_TARGET})
endfunction()
