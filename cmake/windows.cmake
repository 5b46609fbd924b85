# Cross trees (i686 and x86_64): trellimond.exe, the Windows tests run under
# Wine, the test tools and the end-to-end tests.
set(TRM_WIN_LIBS user32 gdi32 ole32 oleaut32 uuid comctl32 advapi32)
# The program loads this at its first call (delay_imports.cmake); tests and
# tools import it as usual.
set(TRM_LATE_LIBS shell32)
include(${CMAKE_CURRENT_LIST_DIR}/delay_imports.cmake)
set(TRM_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)

# The application manifest (UTF-8 code page, common controls 6) and the
# version resource go into every executable: the product, its test tools and
# its Windows tests run under the same code page and controls. The version
# comes from the VERSION file alone, the copyright from LICENSE; both builds
# are trellimond.exe, told apart in Explorer by their description.
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION TRM_VERSION LIMIT_COUNT 1)
if(NOT TRM_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must read MAJOR.MINOR.PATCH, not '${TRM_VERSION}'")
endif()
set(TRM_VERSION_MAJOR ${CMAKE_MATCH_1})
set(TRM_VERSION_MINOR ${CMAKE_MATCH_2})
set(TRM_VERSION_PATCH ${CMAKE_MATCH_3})
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
  set(TRM_BITS 64-bit)
else()
  set(TRM_BITS 32-bit)
endif()
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE TRM_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT TRM_COPYRIGHT)
  message(FATAL_ERROR "LICENSE has no Copyright line")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION ${CMAKE_SOURCE_DIR}/LICENSE)
configure_file(${CMAKE_SOURCE_DIR}/src/trellimond_version.h.in ${CMAKE_BINARY_DIR}/generated/trellimond_version.h)
enable_language(RC)
set(TRM_MANIFEST_RC ${CMAKE_SOURCE_DIR}/src/trellimond.rc)
set_source_files_properties(${TRM_MANIFEST_RC} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/trellimond.manifest;${CMAKE_BINARY_DIR}/generated/trellimond_version.h"
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)

# The same commit builds the same executable wherever it is checked out:
# no link time in the header, no source path in the code.
set(TRM_REPRODUCIBLE_COMPILE -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)
set(TRM_REPRODUCIBLE_LINK -Wl,--no-insert-timestamp)
target_compile_options(trm_core PRIVATE ${TRM_REPRODUCIBLE_COMPILE})

add_library(trm_win STATIC ${TRM_WIN_SOURCES})
target_include_directories(trm_win PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(trm_win PRIVATE ${TRM_WARNINGS} ${TRM_REPRODUCIBLE_COMPILE})
target_link_libraries(trm_win PUBLIC trm_core ${TRM_WIN_LIBS})

add_executable(trellimond WIN32 src/main.cpp ${TRM_MANIFEST_RC})
target_compile_options(trellimond PRIVATE ${TRM_WARNINGS} ${TRM_REPRODUCIBLE_COMPILE})
target_compile_definitions(trellimond PRIVATE TRM_PRODUCT)
target_link_libraries(trellimond PRIVATE trm_win ${TRM_DELAYED_LIBS})
target_link_options(trellimond PRIVATE ${TRM_STATIC_RUNTIME} ${TRM_DELAY_LINK_OPTIONS} ${TRM_REPRODUCIBLE_LINK})
set_target_properties(trellimond PROPERTIES OUTPUT_NAME trellimond SUFFIX .exe)

# Helper programs of the tests (the recorder, the idle keeper, the baseline).
file(GLOB TRM_TEST_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/*.cpp)
foreach(tool_source ${TRM_TEST_TOOLS})
  get_filename_component(tool ${tool_source} NAME_WE)
  add_executable(${tool} WIN32 ${tool_source} ${TRM_MANIFEST_RC})
  target_compile_options(${tool} PRIVATE ${TRM_WARNINGS})
  target_include_directories(${tool} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(${tool} PRIVATE trm_win ${TRM_LATE_LIBS} psapi)
  target_link_options(${tool} PRIVATE ${TRM_STATIC_RUNTIME})
endforeach()

# The Wine session every Wine test needs: prefix, Xvfb, virtual desktop.
# Tests, fixture and label carry the architecture so that one CTest run can
# hold both cross trees, and leave out the one whose Wine cannot start here.
set(TRM_ARCH ${CMAKE_SYSTEM_PROCESSOR})
set(TRM_WINE_FIXTURE wine-${TRM_ARCH})
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
set(TRM_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# Each build tree gets its own X display so that several trees can run tests
# at once: :100-:149 for i686 trees, :150-:199 for x86_64 ones.
string(MD5 trm_tree_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${trm_tree_hash}" 0 2 trm_tree_hash)
if(TRM_ARCH STREQUAL x86_64)
  math(EXPR trm_display_number "0x${trm_tree_hash} % 50 + 150")
else()
  math(EXPR trm_display_number "0x${trm_tree_hash} % 50 + 100")
endif()
set(TRM_TEST_DISPLAY ":${trm_display_number}" CACHE STRING "X display of the Wine test session")
set(TRM_TEST_ENV WINEPREFIX=${TRM_WINEPREFIX} WINEDEBUG=-all DISPLAY=${TRM_TEST_DISPLAY}
    TRM_BUILD_DIR=${CMAKE_BINARY_DIR} TRM_SOURCE_DIR=${CMAKE_SOURCE_DIR} TRM_WINE_ARCH=${TRM_ARCH})
add_test(NAME wine.${TRM_ARCH}.session.start COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh start)
add_test(NAME wine.${TRM_ARCH}.session.stop COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh stop)
set_tests_properties(wine.${TRM_ARCH}.session.start PROPERTIES FIXTURES_SETUP ${TRM_WINE_FIXTURE}
                     ENVIRONMENT "${TRM_TEST_ENV}" TIMEOUT 300 LABELS ${TRM_WINE_FIXTURE})
set_tests_properties(wine.${TRM_ARCH}.session.stop PROPERTIES FIXTURES_CLEANUP ${TRM_WINE_FIXTURE}
                     ENVIRONMENT "${TRM_TEST_ENV}" TIMEOUT 60 LABELS ${TRM_WINE_FIXTURE})

# GoogleTest from Debian's sources, built for Windows without pthreads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB TRM_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
foreach(test_source ${TRM_WIN_TESTS})
  get_filename_component(test ${test_source} NAME_WE)
  add_executable(win_${test} ${test_source} ${TRM_MANIFEST_RC})
  target_compile_options(win_${test} PRIVATE ${TRM_WARNINGS})
  target_include_directories(win_${test} PRIVATE ${CMAKE_SOURCE_DIR}/tests/win ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(win_${test} PRIVATE trm_win ${TRM_LATE_LIBS} gtest gtest_main)
  target_link_options(win_${test} PRIVATE ${TRM_STATIC_RUNTIME})
  add_test(NAME win.${TRM_ARCH}.${test} COMMAND win_${test})
  set_tests_properties(win.${TRM_ARCH}.${test} PROPERTIES FIXTURES_REQUIRED ${TRM_WINE_FIXTURE}
                       ENVIRONMENT "${TRM_TEST_ENV}" TIMEOUT 300 RESOURCE_LOCK desktop LABELS ${TRM_WINE_FIXTURE})
endforeach()

# End-to-end cases drive the real program with real input, one at a time.
file(GLOB TRM_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.sh)
foreach(test_script ${TRM_E2E_TESTS})
  get_filename_component(test ${test_script} NAME_WE)
  add_test(NAME e2e.${TRM_ARCH}.${test} COMMAND bash ${test_script})
  set_tests_properties(e2e.${TRM_ARCH}.${test} PROPERTIES FIXTURES_REQUIRED ${TRM_WINE_FIXTURE}
                       ENVIRONMENT "${TRM_TEST_ENV}" TIMEOUT 300 RESOURCE_LOCK desktop LABELS ${TRM_WINE_FIXTURE})
endforeach()

# Checks of the executable itself, run on every machine: what the Wine tiers
# cannot show where this architecture's programs cannot run.
add_test(NAME build.${TRM_ARCH}.exe_format COMMAND bash ${CMAKE_SOURCE_DIR}/tests/build/check_exe_format.sh
         $<TARGET_FILE:trellimond> ${TRM_ARCH})
add_test(NAME build.${TRM_ARCH}.imports COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/build/check_imports.py
         $<TARGET_FILE:trellimond> ${TRM_ARCH})

# The release zip (scripts/release.sh, made when missing): the 64-bit tree
# checks all of it, and each tree starts its own executable from it under Wine.
if(TRM_ARCH STREQUAL x86_64)
  set(trm_release_checks all)
else()
  set(trm_release_checks start)
endif()
add_test(NAME release.${TRM_ARCH}.zip COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/release_zip_test.sh
         ${trm_release_checks})
set_tests_properties(release.${TRM_ARCH}.zip PROPERTIES FIXTURES_REQUIRED ${TRM_WINE_FIXTURE}
                     ENVIRONMENT "${TRM_TEST_ENV}" TIMEOUT 600 RESOURCE_LOCK desktop LABELS ${TRM_WINE_FIXTURE})
