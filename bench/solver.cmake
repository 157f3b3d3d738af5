# The solver beside the literal reference, on hard puzzles
# (tests/data/hard_puzzles.txt: eight well-known hard puzzles, fifty of their
# relabelled and reordered copies that cost the reference the most guesses,
# and twelve copies with one wrong given that it takes longest to reject).
nodala_add_bench(bench_solver SOURCES ${CMAKE_CURRENT_LIST_DIR}/solver_check.cpp
  LIBS nodala_solver nodala_reference_solver Qt6::Core)
target_compile_definitions(bench_solver PRIVATE NODALA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
  NODALA_BENCH_DATA="${CMAKE_CURRENT_LIST_DIR}/data")

# Writes bench/data/gen95_hard.txt and gen95_refute.txt (deterministic).
add_executable(make_solver_sets ${CMAKE_CURRENT_LIST_DIR}/make_solver_sets.cpp)
target_link_libraries(make_solver_sets PRIVATE nodala_solver Qt6::Core)
target_include_directories(make_solver_sets PRIVATE ${PROJECT_SOURCE_DIR}/tests/solver)
nodala_warnings(make_solver_sets)
