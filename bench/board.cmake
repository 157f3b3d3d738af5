nodala_add_bench(bench_board SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_board.cpp LIBS nodala_game nodala_test_support)
