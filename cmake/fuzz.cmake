# Fuzz tree (clang, libFuzzer): the Windows-free core with ASan and UBSan,
# fed with fuzzed command lines, options files, names and measurements.
# Each target runs for TRM_FUZZ_SECONDS as a test; scripts/fuzz runs them
# for longer. New inputs go to the tree's own corpus, crashes to crashes/.
set(TRM_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz test runs")
set(TRM_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_compile_options(trm_core PRIVATE ${TRM_FUZZ_FLAGS})

file(GLOB TRM_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/crashes)
foreach(fuzz_source ${TRM_FUZZ_TARGETS})
  get_filename_component(target ${fuzz_source} NAME_WE)
  add_executable(${target} ${fuzz_source})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_options(${target} PRIVATE ${TRM_WARNINGS} ${TRM_FUZZ_FLAGS})
  target_link_libraries(${target} PRIVATE trm_core)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/corpus/${target})
  add_test(NAME fuzz.${target}
           COMMAND ${target} -max_total_time=${TRM_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
                   -artifact_prefix=${CMAKE_BINARY_DIR}/crashes/${target}-
                   ${CMAKE_BINARY_DIR}/corpus/${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
  set_tests_properties(fuzz.${target} PROPERTIES TIMEOUT 600)
endforeach()
