# bio_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds one QtTest program and registers it with CTest on Qt's offscreen platform,
# with a fixed locale and time zone so results do not depend on the machine.
function(bio_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=Europe/Berlin"
    TIMEOUT 300)
endfunction()
