nodala_add_bench(bench_grader SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_grader.cpp LIBS nodala_game_core nodala_grader)
