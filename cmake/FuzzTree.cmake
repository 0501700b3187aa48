# The fuzz tree: every reader of outside bytes fed by libFuzzer, with
# AddressSanitizer and UndefinedBehaviorSanitizer, through the fake platform.
# A target is fuzz/fuzz_<name>.cpp; its seeds are fuzz/corpus/<name>/ (kept in
# the repository). CTest runs each for a few seconds (label "fuzz");
# scripts/fuzz.sh runs them for as long as asked.
set(FUZZ_FLAGS -g -O2 -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
file(GLOB FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/fake/*.cpp)
tess_area_libraries(SUFFIX "_fuzz" PLATFORM_SOURCES ${FAKE_SOURCES}
  OPTIONS ${FUZZ_FLAGS} -fsanitize=fuzzer-no-link)

set(TESS_FUZZ_SECONDS 4 CACHE STRING "How long ctest runs each fuzz target")
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/fuzz_*.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(target ${source} NAME_WE)
  string(REGEX REPLACE "^fuzz_" "" name ${target})
  add_executable(${target} ${source})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/fuzz)
  target_compile_options(${target} PRIVATE ${WARNINGS} ${FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE ${FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE tess_app_fuzz)
  # New inputs go to a corpus in the build tree; the seeds stay as they are.
  set(work ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${work})
  add_test(NAME fuzz.${name}
    COMMAND ${target} -max_total_time=${TESS_FUZZ_SECONDS} -rss_limit_mb=2048
            -print_final_stats=1 ${work} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 120)
endforeach()
