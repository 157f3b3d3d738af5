# Window-free game logic: the generator, the puzzle model, the bank.
nodala_add_test(test_qj SOURCES test_qj.cpp LcgReference.h LIBS nodala_game_core nodala_solver)
nodala_add_test(test_bank SOURCES test_bank.cpp LcgReference.h LIBS nodala_game_core nodala_grader)
# Re-grades all 2,500 entries: about two seconds, longer under sanitizers.
nodala_add_test(test_bank_verify SOURCES test_bank_verify.cpp LIBS nodala_game_core nodala_grader TIMEOUT 300)
nodala_add_test(test_bank_commands SOURCES test_bank_commands.cpp LIBS nodala_bank_commands)
