# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: the programs' icon, version information and manifest, and a
# portable folder (`cmake --install`) holding everything the game needs to
# run: the Qt and MinGW runtime libraries, the plugins, qt.conf, the
# licence and a readme. build.sh windows zips that folder and builds the
# installer from it.
set(NODALA_ICO ${PROJECT_BINARY_DIR}/resources/sudoku-nodala.ico)

function(nodala_windows_resources target name description)
  set(NODALA_NAME ${name})
  set(NODALA_DESCRIPTION ${description})
  set(dir ${PROJECT_BINARY_DIR}/windows/${name})
  set(NODALA_MANIFEST ${dir}/${name}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/app.manifest.in ${NODALA_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/version.rc.in ${dir}/${name}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${name}.rc)
  set_source_files_properties(${dir}/${name}.rc TARGET_DIRECTORY ${target}
    PROPERTIES OBJECT_DEPENDS "${NODALA_ICO};${NODALA_MANIFEST}")
  add_dependencies(${target} windows_icon)
endfunction()

nodala_windows_resources(sudoku-nodala sudoku-nodala "Sudoku Nodala, a Sudoku game")
nodala_windows_resources(sudoku-tool sudoku-tool "Sudoku Nodala's command-line tool")

# Only what the game loads: the platform, the native style and the TLS
# back end of the version check.
set(qt_libs Core Gui Widgets Network PrintSupport)
foreach(lib IN LISTS qt_libs)
  install(FILES $<TARGET_FILE:Qt6::${lib}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QSchannelBackendPlugin> DESTINATION tls)

set(runtime_dirs)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  file(REAL_PATH "${path}" path)
  install(FILES ${path} DESTINATION .)
  get_filename_component(dir ${path} DIRECTORY)
  list(APPEND runtime_dirs ${dir})
endforeach()

# The tests run under the cross-compiling emulator (Wine), which finds the
# libraries through WINEPATH, a list of Windows paths (Z: is the root).
list(REMOVE_DUPLICATES runtime_dirs)
set(wine_path ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${runtime_dirs})
list(TRANSFORM wine_path PREPEND "Z:")
string(REPLACE ";" "\\;" wine_path "${wine_path}")
# Qt's offscreen platform on Windows reads fonts from one folder: the
# Liberation fonts, as the game's captions fall back to them on Linux.
set(NODALA_WINE_FONTDIR /usr/share/fonts/truetype/liberation2 CACHE PATH "Fonts of the tests under Wine")
set(NODALA_TEST_ENVIRONMENT "WINEPATH=${wine_path};WINEDEBUG=-all;QT_QPA_FONTDIR=Z:${NODALA_WINE_FONTDIR}")

install(FILES ${PROJECT_SOURCE_DIR}/resources/windows/qt.conf DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/resources/windows/README.txt DESTINATION .)
