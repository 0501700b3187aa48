# The Windows trees: tessaline.exe, the Windows tests and the end-to-end
# tests, all run through Wine inside one Xvfb session per ctest run (the
# fixture "wine_session" below starts it and ends what it started). The same
# file makes build/win32 (i686, what ships) and build/win64 (x86_64, the
# build the tests run where 32-bit Wine cannot); the session's prefix is of
# the tree's own architecture.
set(WIN_FLAGS -municode)
set(WIN_LINK -static -static-libgcc -static-libstdc++ -municode)

file(GLOB WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)

tess_area_libraries(SUFFIX "" PLATFORM_SOURCES ${WIN32_PLATFORM_SOURCES}
  OPTIONS ${WIN_FLAGS}
  DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
  LINK ole32 uuid shell32 user32 gdi32 comctl32 comdlg32 shlwapi usp10 msimg32 imm32)

# The views: src/<area>/win32, one library per area that has them, each
# seeing its own area, the areas below and the views below (lib's views are
# the shared Win32 helpers). WinMain and the resources make the program.
set(TESS_VIEW_AREAS lib tables wordbook input app)
set(below_views)
foreach(area ${TESS_VIEW_AREAS})
  file(GLOB views CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/win32/*.cpp)
  list(FILTER views EXCLUDE REGEX "/src/app/win32/WinMain\\.cpp$")
  if(NOT views)
    continue()
  endif()
  set(target tess_${area}_views)
  add_library(${target} STATIC ${views})
  tess_include_root(root ${area}-views ${area} ${TESS_DEPS_${area}})
  target_include_directories(${target} PUBLIC ${root})
  target_compile_options(${target} PRIVATE ${WARNINGS} ${WIN_FLAGS})
  target_link_libraries(${target} PUBLIC tess_${area} ${below_views})
  list(APPEND below_views ${target})
endforeach()

file(GLOB RC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/win32/*.rc)
enable_language(RC)
# windres writes no dependency file: rebuild the resources when what they pull in changes.
file(GLOB APP_RES_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/win32/res/*)
set_source_files_properties(${RC_SOURCES} PROPERTIES
  OBJECT_DEPENDS "${APP_RES_FILES};${CMAKE_SOURCE_DIR}/src/lib/win32/ResourceIds.h")
add_executable(tessaline WIN32 ${CMAKE_SOURCE_DIR}/src/app/win32/WinMain.cpp ${RC_SOURCES})
target_compile_options(tessaline PRIVATE ${WARNINGS} ${WIN_FLAGS})
target_link_options(tessaline PRIVATE ${WIN_LINK} -mwindows)
target_link_libraries(tessaline PRIVATE tess_app_views)

# The help file, build/win32/Tessaline.chm (chmcmd from fp-utils), beside the
# program: scripts/install-image.sh puts it into the image's Help folder.
find_program(CHMCMD chmcmd)
if(CHMCMD)
  file(GLOB HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/* ${CMAKE_SOURCE_DIR}/help/images/*)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Tessaline.chm
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-help.sh ${CMAKE_BINARY_DIR}/Tessaline.chm
    DEPENDS ${HELP_SOURCES} ${CMAKE_SOURCE_DIR}/docs/tables.md
            ${CMAKE_SOURCE_DIR}/tools/help/tables_pages.py ${CMAKE_SOURCE_DIR}/scripts/build-help.sh
    COMMENT "Building Tessaline.chm"
    VERBATIM)
  add_custom_target(help_file ALL DEPENDS ${CMAKE_BINARY_DIR}/Tessaline.chm)
  # The help compiles from the sources with no warning, and every page,
  # picture and link it names is there.
  add_test(NAME help.compile
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-help.sh ${CMAKE_BINARY_DIR}/help-check/Tessaline.chm)
  set_tests_properties(help.compile PROPERTIES LABELS help)
else()
  message(WARNING "chmcmd not found (Debian package fp-utils): Tessaline.chm is not built")
endif()

# The installer, setup.exe (NSIS, installer/make-setup.sh), made whenever the
# program, the image or the installer's script changes: the x86 one that
# ships in build/win32, an amd64 one of the 64-bit build in build/win64.
find_program(MAKENSIS makensis)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TESS_SETUP_TARGET amd64)
else()
  set(TESS_SETUP_TARGET x86)
endif()
if(MAKENSIS)
  file(GLOB_RECURSE IMAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/setup.exe
    COMMAND ${CMAKE_SOURCE_DIR}/installer/make-setup.sh ${CMAKE_BINARY_DIR}/setup.exe
            $<TARGET_FILE:tessaline> ${TESS_SETUP_TARGET}
    DEPENDS tessaline ${IMAGE_FILES} $<$<BOOL:${CHMCMD}>:${CMAKE_BINARY_DIR}/Tessaline.chm> ${CMAKE_SOURCE_DIR}/installer/Tessaline.nsi
            ${CMAKE_SOURCE_DIR}/installer/make-setup.sh ${CMAKE_SOURCE_DIR}/scripts/install-image.sh
            ${CMAKE_SOURCE_DIR}/src/app/AppIdentity.h ${CMAKE_SOURCE_DIR}/src/app/win32/res/tessaline.ico
    COMMENT "Building setup.exe"
    VERBATIM)
  add_custom_target(setup ALL DEPENDS ${CMAKE_BINARY_DIR}/setup.exe)
else()
  message(WARNING "makensis not found (Debian package nsis): setup.exe is not built")
endif()

# GoogleTest from its sources (Debian's package googletest puts them in
# /usr/src/googletest), cross-built; -DGTEST_SOURCE_DIR=... names others.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources, cross-built for the Windows tests")
if(NOT EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${GTEST_SOURCE_DIR} (Debian package googletest)")
endif()
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(WINE_SESSION ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh)
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine-session)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WINE_ARCH win64)
else()
  set(WINE_ARCH win32)
endif()
add_test(NAME wine_session_start COMMAND ${WINE_SESSION} start ${WINE_STATE} --arch ${WINE_ARCH})
add_test(NAME wine_session_stop COMMAND ${WINE_SESSION} stop ${WINE_STATE})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session LABELS "wine;e2e")
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session LABELS "wine;e2e")

# Windows tests: one program, one CTest test, run by Wine in the session.
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
# The fake platform's code page tables, to compare with the real conversions.
file(GLOB CODE_PAGE_TABLE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/fake/CodePageTable*.cpp)
add_executable(tessaline_win32_tests ${WIN32_TEST_SOURCES} ${CODE_PAGE_TABLE_SOURCES})
target_compile_options(tessaline_win32_tests PRIVATE ${WARNINGS} ${WIN_FLAGS})
target_link_options(tessaline_win32_tests PRIVATE ${WIN_LINK})
target_include_directories(tessaline_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tessaline_win32_tests PRIVATE tess_app_views gtest gmock)
add_test(NAME wine.platform
  COMMAND ${WINE_SESSION} run ${WINE_STATE} $<TARGET_FILE:tessaline_win32_tests>)
# The Windows tests read the shipped tables of this checkout (Wine passes the
# variable through; the test maps the Unix path to its Z: drive).
set_tests_properties(wine.platform PROPERTIES FIXTURES_REQUIRED wine_session LABELS wine
  TIMEOUT 300 ENVIRONMENT "TESS_SOURCE_DIR=${CMAKE_SOURCE_DIR}")

# End-to-end: the test driver (a console program run in the same prefix) and
# one CTest test per tests/e2e/test_*.sh script.
file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_executable(e2e_driver ${DRIVER_SOURCES})
target_compile_options(e2e_driver PRIVATE ${WARNINGS} ${WIN_FLAGS})
target_link_options(e2e_driver PRIVATE ${WIN_LINK})
target_link_libraries(e2e_driver PRIVATE user32 gdi32 kernel32 shell32 psapi)

file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  string(REGEX REPLACE "^test_" "" name ${name})
  add_test(NAME e2e.${name}
    COMMAND ${WINE_SESSION} script ${WINE_STATE} ${script}
            $<TARGET_FILE:tessaline> $<TARGET_FILE:e2e_driver> ${CMAKE_SOURCE_DIR}/data)
  set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED wine_session LABELS e2e
    TIMEOUT 300 RESOURCE_LOCK wine_desktop)
endforeach()
set_tests_properties(wine.platform PROPERTIES RESOURCE_LOCK wine_desktop)
