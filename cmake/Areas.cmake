# The areas of the program, each its own static library that sees only the
# areas below it:
#
#   platform -> lib -> settings -> tables, wordbook, transfer -> input -> app
#
# Each library compiles against an include root of its own that holds links
# to exactly the areas it may use, so an include that points upward
# ("app/MainModel.h" from input) fails the build instead of waiting for a
# reviewer. The views (src/<area>/win32) follow the same rule one level up:
# an area's views see its own area, the areas below and the views below.

set(TESS_AREA_ORDER platform lib settings tables wordbook transfer input app)
set(TESS_DEPS_platform "")
set(TESS_DEPS_lib platform)
set(TESS_DEPS_settings lib platform)
set(TESS_DEPS_tables settings lib platform)
set(TESS_DEPS_wordbook settings lib platform)
set(TESS_DEPS_transfer settings lib platform)
set(TESS_DEPS_input tables wordbook transfer settings lib platform)
set(TESS_DEPS_app input tables wordbook transfer settings lib platform)

# An include root under the build tree with a link to each named area.
function(tess_include_root out name)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  file(MAKE_DIRECTORY ${root})
  foreach(area ${ARGN})
    if(NOT EXISTS ${root}/${area})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${area} ${root}/${area} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# The portable sources of an area (its views and its platform folders aside).
function(tess_area_sources out area)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/*.cpp)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# tess_area_libraries(SUFFIX <suffix> PLATFORM_SOURCES <files...> [OPTIONS <flags...>])
# Defines tess_<area><suffix> for every area; the top one, tess_app<suffix>,
# links everything below.
function(tess_area_libraries)
  cmake_parse_arguments(A "" "SUFFIX" "PLATFORM_SOURCES;OPTIONS;DEFINITIONS;LINK" ${ARGN})
  foreach(area ${TESS_AREA_ORDER})
    tess_area_sources(sources ${area})
    if(area STREQUAL "platform")
      list(APPEND sources ${A_PLATFORM_SOURCES})
    endif()
    set(target tess_${area}${A_SUFFIX})
    add_library(${target} STATIC ${sources})
    tess_include_root(root ${area} ${area} ${TESS_DEPS_${area}})
    target_include_directories(${target} PRIVATE ${root})
    target_compile_options(${target} PRIVATE ${WARNINGS})
    if(A_OPTIONS)
      target_compile_options(${target} PUBLIC ${A_OPTIONS})
      target_link_options(${target} PUBLIC ${A_OPTIONS})
    endif()
    if(A_DEFINITIONS)
      target_compile_definitions(${target} PUBLIC ${A_DEFINITIONS})
    endif()
    if(area STREQUAL "platform" AND A_LINK)
      target_link_libraries(${target} PUBLIC ${A_LINK})
    endif()
    foreach(dep ${TESS_DEPS_${area}})
      target_link_libraries(${target} PUBLIC tess_${dep}${A_SUFFIX})
    endforeach()
  endforeach()
endfunction()
