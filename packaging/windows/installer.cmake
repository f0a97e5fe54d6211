# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

# CPack's External generator runs this for the Windows installer,
# guess-VERSION-windows-x86_64.msi, once the files are installed in its
# staging folder: wixl builds it from guess.wxs, and its summary then gets the
# package code of its version and the commit's time, where wixl writes a
# random code and the clock's time. It reads all it needs from CPack's
# variables; cpack -G External -R VERSION makes the installer of another
# version.

cmake_policy(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/../run.cmake")
# wixl, msiinfo and msibuild come in Debian's packages wixl and msitools.
find_program(WIXL wixl REQUIRED)
find_program(MSIINFO msiinfo REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

# The staging has dated the files, and set SOURCE_DATE_EPOCH, which
# string(TIMESTAMP) reads. The cabinet and the summary hold local times: UTC.
string(TIMESTAMP time "%Y/%m/%d %H:%M:%S" UTC)
set(ENV{TZ} UTC0)

# Each version has its own product and package codes, always the same ones.
set(version "${CPACK_PACKAGE_VERSION}")
set(code "${CPACK_GUESS_UPGRADE_CODE}")
string(UUID product NAMESPACE "${code}" NAME "product ${version}" TYPE SHA1 UPPER)
string(UUID package NAMESPACE "${code}" NAME "package ${version}" TYPE SHA1 UPPER)
set(msi "${CPACK_TOPLEVEL_DIRECTORY}/guess-${version}-windows-x86_64.msi")
# wixl takes the icon from beside the files.
file(COPY "${CPACK_GUESS_ICON}" DESTINATION "${CPACK_TEMPORARY_DIRECTORY}")
dated("${CPACK_GUESS_EPOCH}" "${CPACK_TEMPORARY_DIRECTORY}/guess.ico")
run("${WIXL}" --arch x64 -D "Version=${version}" -D "ProductCode=${product}" -D "UpgradeCode=${code}"
    -D "Manufacturer=${CPACK_PACKAGE_VENDOR}" -D "Description=${CPACK_GUESS_DESCRIPTION}"
    --output "${msi}" "${CMAKE_CURRENT_LIST_DIR}/guess.wxs"
    WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
execute_process(COMMAND "${MSIINFO}" export "${msi}" _SummaryInformation
                OUTPUT_VARIABLE summary COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n9\t[^\r\n]*" "\n9\t{${package}}" summary "${summary}")
string(REGEX REPLACE "\n(12|13)\t[^\r\n]*" "\n\\1\t${time}" summary "${summary}")
file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/_SummaryInformation.idt" "${summary}")
run("${MSIBUILD}" "${msi}" -i "${CPACK_TOPLEVEL_DIRECTORY}/_SummaryInformation.idt")
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
