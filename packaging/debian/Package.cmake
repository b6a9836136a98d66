# The Debian package, built by CPack (scripts/package): what it holds besides the install rules
# (the copyright file and the changelog, as Debian keeps them) and its control fields.
set(BIO_DEBIAN ${CMAKE_CURRENT_LIST_DIR})
set(BIO_DOC_FOLDER ${CMAKE_INSTALL_DATADIR}/doc/biorhythmus)

# The package's version is the program's, with the Debian revision of the changelog's newest
# entry; the two must agree on the program's version.
file(STRINGS ${BIO_DEBIAN}/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^biorhythmus \\(([^-)]+)-([^)]+)\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the first line names no version: ${newest}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/debian/changelog is at ${CMAKE_MATCH_1}, the program at "
                      "${PROJECT_VERSION}: add an entry for the new version")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})

set(BIO_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
bio_gzip(${BIO_DEBIAN}/changelog ${BIO_CHANGELOG})
set(BIO_TERMS ${PROJECT_SOURCE_DIR}/src/gui/help/documents/terms.html
    ${PROJECT_SOURCE_DIR}/src/gui/help/documents/en/terms.html)
set(BIO_COPYRIGHT ${CMAKE_CURRENT_BINARY_DIR}/copyright)
add_custom_command(OUTPUT ${BIO_COPYRIGHT}
  COMMAND ${CMAKE_COMMAND} -DHEADER=${BIO_DEBIAN}/copyright.in -DOUTPUT=${BIO_COPYRIGHT}
          "-DTERMS=${BIO_TERMS}" -P ${BIO_DEBIAN}/CopyrightFile.cmake
  DEPENDS ${BIO_DEBIAN}/copyright.in ${BIO_DEBIAN}/CopyrightFile.cmake ${BIO_TERMS} VERBATIM)
add_custom_target(package_documents ALL DEPENDS ${BIO_CHANGELOG} ${BIO_COPYRIGHT})
install(FILES ${BIO_CHANGELOG} ${BIO_COPYRIGHT} DESTINATION ${BIO_DOC_FOLDER})
install(FILES ${BIO_DEBIAN}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME biorhythmus)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME biorhythmus)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Das Biorhythmus-Team <team@biorhythmus.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "biorhythm calculator with a window and a command line")
# One string per line of the long description; CPack joins them with line ends.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Works out the physical (23 days), emotional (28 days) and intellectual"
  "(33 days) biorhythm curves from a birth date. The window shows them as a"
  "chart over 32 days with the percentages and texts of the day, steps from"
  "day to day, prints a one-page day report, lists the critical days and keeps"
  "a small list of people."
  ""
  "The same figures come from the command line as text, CSV, JSON, a calendar"
  "file of the critical days, a PDF day report or a PNG or SVG chart."
  "The program speaks German, and English beside it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Stripped as Debian's own packages are; the debugging information stays in the build tree,
# the only place where binaries of exactly this build are at hand to debug.
set(CPACK_STRIP_FILES ON)
# The fonts and Qt's German texts are needed at run time; printing (lp) and Qt's native Wayland
# platform are not: without them the program says that it cannot print, or runs through
# XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, qt6-wayland")
# The libraries the binaries link are added by ShlibDepends.cmake, which cpack reads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PROJECT_CONFIG_FILE ${BIO_DEBIAN}/ShlibDepends.cmake)
set(BIO_BINARY_FILES)
foreach(target IN LISTS BIO_INSTALLED_BINARIES)
  list(APPEND BIO_BINARY_FILES $<TARGET_FILE:${target}>)
endforeach()
set(CPACK_BIO_BINARY_LIST ${CMAKE_CURRENT_BINARY_DIR}/binaries.txt)
set(CPACK_BIO_SHLIBDEPS_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/shlibdeps)
file(GENERATE OUTPUT ${CPACK_BIO_BINARY_LIST} CONTENT "$<JOIN:${BIO_BINARY_FILES},\n>\n")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
