# Native tree: the core with sanitizers, its unit tests and the benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

set(TRM_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
option(TRM_SANITIZERS "Build the core and its tests with ASan and UBSan" ON)
if(TRM_SANITIZERS)
  target_compile_options(trm_core PRIVATE ${TRM_SANITIZE})
  target_link_options(trm_core PUBLIC ${TRM_SANITIZE})
endif()

file(GLOB TRM_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
add_executable(unit_tests ${TRM_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE trm_core GTest::gtest_main)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_compile_options(unit_tests PRIVATE ${TRM_WARNINGS})
# The release's sample options file, read as users get it.
target_compile_definitions(unit_tests PRIVATE TRM_OPTIONS_SAMPLE="${CMAKE_SOURCE_DIR}/packaging/trellimond.ini.sample")
if(TRM_SANITIZERS)
  target_compile_options(unit_tests PRIVATE ${TRM_SANITIZE})
endif()
gtest_discover_tests(unit_tests TEST_PREFIX "unit." DISCOVERY_TIMEOUT 60)

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/native.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/native.cmake)
endif()

# Checks of the project itself: every source formatted, folders including
# downwards only, and the choice of Wine loaders on loaders that start and
# one the kernel refuses.
add_test(NAME build.source_format COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/format.sh --check)
add_test(NAME build.layers COMMAND bash ${CMAKE_SOURCE_DIR}/tests/build/check_layers.sh ${CMAKE_SOURCE_DIR})
add_test(NAME setup.wine_detection COMMAND bash ${CMAKE_SOURCE_DIR}/tests/setup/wine_detection_test.sh)
