# The import reader on 10 MB texts of every awkward shape.
nodala_add_bench(bench_exchange SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_exchange.cpp LIBS nodala_exchange_core)
