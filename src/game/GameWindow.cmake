nodala_library(nodala_game
  SOURCES main.h main.cpp Play.cpp Feedback.cpp History.cpp NewGame.cpp Commands.cpp LastGame.cpp UpdateLock.h DigitPad.h DigitPad.cpp StatusLine.h StatusLine.cpp Icons.h Icons.cpp
          Application.h Application.cpp Windows.h Windows.cpp SessionEnd.h SessionEnd.cpp
          ${PROJECT_SOURCE_DIR}/resources/icons.qrc
  LIBS nodala_board nodala_game_core nodala_solver nodala_exchange nodala_records nodala_periphery Qt6::Widgets Qt6::Svg)

add_executable(sudoku-nodala program.cpp)
target_link_libraries(sudoku-nodala PRIVATE nodala_game)
nodala_warnings(sudoku-nodala)
