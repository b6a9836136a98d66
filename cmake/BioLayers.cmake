# The folders under src/ are the program's layers: core (Qt Core), drawing (Qt GUI), gui (Qt
# Widgets) and cli (the command line on the core), with the entry in main/. Every include names
# its folder ("core/CriticalDays.h"), and a library sees only the folders of itself and of what
# it links: each exposes its folder through a root of its own in the build tree that holds
# nothing else, so an include that reaches up a layer finds no file and fails to build.

# bio_expose(<target> <folder under src/> [PRIVATE])
function(bio_expose target folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  if(ARGV2 STREQUAL "PRIVATE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      target_include_directories(${target} INTERFACE ${root})
    else()
      target_include_directories(${target} PUBLIC ${root})
    endif()
  endif()
endfunction()
