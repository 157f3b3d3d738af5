nodala_add_bench(bench_play SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_play.cpp LIBS nodala_game nodala_test_support)
