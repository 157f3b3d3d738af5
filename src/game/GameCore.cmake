# Window-free logic of the game: the program-wide random generator, the
# puzzle model with its transformer, and the puzzle bank (a resource).
nodala_library(nodala_game_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Random.h ${CMAKE_CURRENT_LIST_DIR}/Random.cpp
          ${CMAKE_CURRENT_LIST_DIR}/QJ.h ${CMAKE_CURRENT_LIST_DIR}/QJ.cpp
          ${CMAKE_CURRENT_LIST_DIR}/Ufrmtk.h ${CMAKE_CURRENT_LIST_DIR}/Ufrmtk.cpp
          ${PROJECT_SOURCE_DIR}/resources/bank/bank.qrc
  LIBS nodala_board_core nodala_bank_entry Qt6::Core)
