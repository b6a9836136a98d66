# The distribution's hardening flags, as dpkg-buildflags gives them to Debian's own packages
# with every hardening feature on: fortified functions (-D_FORTIFY_SOURCE, which needs the
# optimiser and so is left out of Debug builds), the strong stack protector, format checks,
# read-only relocations bound at load time (relro, bindnow), and position-independent
# executables. The build type keeps deciding optimisation and debugging information, so
# dpkg-buildflags' -O2 and -g and its path mapping are left out. Sanitizer and fuzzing builds
# keep their own instrumentation instead.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

find_program(BIO_DPKG_BUILDFLAGS dpkg-buildflags)
if(BIO_ASAN OR BIO_FUZZ)
  return()
endif()
if(NOT BIO_DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found: built without the distribution's hardening flags")
  return()
endif()

function(bio_buildflags kind out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${BIO_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g[0-9]*|ffile-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

bio_buildflags(CPPFLAGS BIO_HARDENING_CPPFLAGS)
bio_buildflags(CXXFLAGS BIO_HARDENING_CXXFLAGS)
bio_buildflags(LDFLAGS BIO_HARDENING_LDFLAGS)
add_compile_options(${BIO_HARDENING_CXXFLAGS}
                    "$<$<NOT:$<CONFIG:Debug>>:${BIO_HARDENING_CPPFLAGS}>")
add_link_options(${BIO_HARDENING_LDFLAGS})
list(JOIN BIO_HARDENING_CPPFLAGS " " cppflags)
list(JOIN BIO_HARDENING_CXXFLAGS " " cxxflags)
list(JOIN BIO_HARDENING_LDFLAGS " " ldflags)
message(STATUS "Hardening from dpkg-buildflags: ${cppflags} ${cxxflags} ${ldflags}")
