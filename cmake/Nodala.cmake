# SPDX-License-Identifier: GPL-3.0-or-later
# nodala_library(NAME SOURCES ... LIBS ...)
# One library per room; warnings are errors in project code.
function(nodala_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  nodala_warnings(${name})
endfunction()

function(nodala_warnings target)
  target_compile_options(${target} PRIVATE ${NODALA_WARNINGS})
endfunction()

# nodala_add_test(NAME SOURCES ... LIBS ... [TIMEOUT s])
# Every test runs on the offscreen platform: none needs a display.
function(nodala_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE NODALA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  nodala_warnings(${name})
  if(CMAKE_CROSSCOMPILING AND WIN32)
    add_test(NAME ${name} COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/windows/wine-test.sh $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  if(CMAKE_CROSSCOMPILING AND WIN32)
    # Under Wine every process start costs more, and more again on a busy
    # machine; the time-out only catches a hang.
    math(EXPR ARG_TIMEOUT "${ARG_TIMEOUT} * 6")
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;${NODALA_TEST_ENVIRONMENT}"
    TIMEOUT ${ARG_TIMEOUT})
endfunction()
