nodala_add_bench(bench_records SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_records.cpp LIBS nodala_game nodala_test_support)
