# Benchmarks of the core, built in the native tree. bench/run builds them in a
# tree of their own without sanitizers.
add_executable(bench_scan_order ${CMAKE_SOURCE_DIR}/bench/scan_order_bench.cpp)
target_link_libraries(bench_scan_order PRIVATE trm_core)
target_include_directories(bench_scan_order PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_compile_options(bench_scan_order PRIVATE ${TRM_WARNINGS})

add_executable(bench_offline_shortcuts ${CMAKE_SOURCE_DIR}/bench/offline_shortcuts_bench.cpp)
target_link_libraries(bench_offline_shortcuts PRIVATE trm_core)
target_include_directories(bench_offline_shortcuts PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_compile_options(bench_offline_shortcuts PRIVATE ${TRM_WARNINGS})
