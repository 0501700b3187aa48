# The native tree: portable core + fake platform, unit tests twice (plain and
# sanitized), benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/fake/*.cpp)
file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
list(FILTER NATIVE_TEST_SOURCES EXCLUDE REGEX "/tests/(win32|e2e)/")

# -O1: quicker to build, and the level the sanitizers are made for.
set(SANITIZE_FLAGS -O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# One core library and one test program per flavour; the sanitized flavour
# compiles the same sources again with the sanitizer flags.
function(tessaline_native_flavour suffix label)
  tess_area_libraries(SUFFIX "${suffix}" PLATFORM_SOURCES ${FAKE_SOURCES} OPTIONS ${ARGN})
  set(tests tessaline_tests${suffix})
  add_executable(${tests} ${NATIVE_TEST_SOURCES})
  target_include_directories(${tests} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${tests} PRIVATE ${WARNINGS})
  target_link_libraries(${tests} PRIVATE tess_app${suffix} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${tests} PRIVATE
    TESS_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${tests}
    TEST_PREFIX "${label}."
    PROPERTIES LABELS ${label}
    DISCOVERY_TIMEOUT 60)
endfunction()

tessaline_native_flavour("" native)
tessaline_native_flavour("_sanitize" sanitize ${SANITIZE_FLAGS})

# Benchmarks: built (so they never rot), run by hand or by bench/run.sh.
find_package(benchmark QUIET)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  add_executable(tessaline_bench ${BENCH_SOURCES})
  target_compile_options(tessaline_bench PRIVATE ${WARNINGS})
  target_include_directories(tessaline_bench PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(tessaline_bench PRIVATE tess_app benchmark::benchmark)
  # Reads the shipped tables of this checkout, whatever the working folder.
  target_compile_definitions(tessaline_bench PRIVATE TESS_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
