# bio_add_test(<name> LABEL <unit|gui> SOURCES <files...> LIBS <targets...>)
# Builds one QtTest program and registers it with CTest on Qt's offscreen platform,
# with a fixed locale and time zone so results do not depend on the machine.
# unit: no window is shown; gui: drives widgets on the offscreen platform.
# `ctest -L unit` runs in seconds; ./scripts/test runs every label.
function(bio_add_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL MATCHES "^(unit|gui)$")
    message(FATAL_ERROR "bio_add_test(${name}): LABEL must be unit or gui")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=Europe/Berlin"
    LABELS ${ARG_LABEL} TIMEOUT 300)
endfunction()

# bio_add_system_test(<name> [OFFSCREEN] TIMEOUT <seconds> COMMAND <script> <args...>)
# A script that starts real servers (X, CUPS, ...) around the program. It runs alone, since
# such servers and the screen mode are machine-wide, and exits 77 where the machine lacks them.
# OFFSCREEN: the Qt programs it starts need no screen.
function(bio_add_system_test name)
  cmake_parse_arguments(ARG "OFFSCREEN" "TIMEOUT" "COMMAND" ${ARGN})
  set(environment "LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=Europe/Berlin")
  if(ARG_OFFSCREEN)
    list(APPEND environment "QT_QPA_PLATFORM=offscreen")
  endif()
  add_test(NAME ${name} COMMAND ${ARG_COMMAND})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${environment}"
    LABELS system TIMEOUT ${ARG_TIMEOUT} SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)
endfunction()
