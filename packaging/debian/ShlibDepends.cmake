# Read by cpack (CPACK_PROJECT_CONFIG_FILE): the packages of the libraries that the program's
# binaries link, as dpkg-shlibdeps names them, join the package's dependencies.
#
# CPack's own CPACK_DEBIAN_PACKAGE_SHLIBDEPS would find them as well, but it also writes
# maintainer scripts that run ldconfig for every library under /usr/lib. The program's
# libraries lie in its private folder and are found through its RUNPATH, not through the
# linker's cache, so the package has no maintainer scripts.
if(NOT CPACK_GENERATOR STREQUAL DEB)
  return()
endif()
file(STRINGS ${CPACK_BIO_BINARY_LIST} binaries)
# dpkg-shlibdeps reads the package's name from debian/control, and needs one, if empty.
file(MAKE_DIRECTORY ${CPACK_BIO_SHLIBDEPS_FOLDER}/debian)
file(TOUCH ${CPACK_BIO_SHLIBDEPS_FOLDER}/debian/control)
# --ignore-missing-info: the program's own libraries belong to no installed package.
execute_process(COMMAND dpkg-shlibdeps -O --ignore-missing-info ${binaries}
  WORKING_DIRECTORY ${CPACK_BIO_SHLIBDEPS_FOLDER}
  RESULT_VARIABLE failed OUTPUT_VARIABLE found ERROR_VARIABLE complaints
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(failed OR NOT found MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "dpkg-shlibdeps found no dependencies:\n${complaints}")
endif()
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CMAKE_MATCH_1}")
