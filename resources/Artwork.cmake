# SPDX-License-Identifier: GPL-3.0-or-later
# nodala_artwork: the tool-bar icons and the About box's pictures, drawn from
# SVG at run time, or, in a build without Qt SVG, as PNG files rendered here
# at their size and at twice it for high-DPI screens (Qt takes NAME@2x.png
# beside NAME.png by itself). Either way the resource paths differ only in
# the suffix, which NODALA_ARTWORK_SUFFIX gives the code.
if(NODALA_SVG)
  add_library(nodala_artwork STATIC icons.qrc about.qrc)
  target_link_libraries(nodala_artwork PUBLIC Qt6::Core Qt6::Svg)
  target_compile_definitions(nodala_artwork INTERFACE NODALA_ARTWORK_SUFFIX="svg" NODALA_HAVE_SVG)
  return()
endif()

set(art ${CMAKE_CURRENT_BINARY_DIR}/art)
set(art_pngs)
# name, size at 1x
set(art_list)
foreach(icon back copy first hint import last level0 level1 level2 level3 level4 next print restart solve)
  list(APPEND art_list icons/${icon} 16x16)
endforeach()
list(APPEND art_list about/logo 106x98 about/banner 278x28)

set(qrc_icons "<RCC><qresource prefix=\"/\">\n")
set(qrc_about "${qrc_icons}")
list(LENGTH art_list n)
math(EXPR last "${n} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET art_list ${i} name)
  list(GET art_list ${j} size)
  string(REPLACE "x" ";" wh ${size})
  list(GET wh 0 w)
  list(GET wh 1 h)
  math(EXPR w2 "${w} * 2")
  math(EXPR h2 "${h} * 2")
  get_filename_component(dir ${name} DIRECTORY)
  foreach(variant "${size}" "${w2}x${h2}@2x")
    string(REGEX MATCH "@2x$" suffix "${variant}")
    string(REGEX REPLACE "@2x$" "" px "${variant}")
    set(png ${art}/${name}${suffix}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${art}/${dir}
      COMMAND ${render} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.svg ${px} ${png}
      DEPENDS ${render_icon} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.svg
      COMMENT "Rendering ${name}${suffix}.png")
    list(APPEND art_pngs ${png})
    string(APPEND qrc_${dir} "  <file>${name}${suffix}.png</file>\n")
  endforeach()
endforeach()
foreach(dir icons about)
  string(APPEND qrc_${dir} "</qresource></RCC>\n")
  file(CONFIGURE OUTPUT ${art}/${dir}.qrc CONTENT "${qrc_${dir}}")
endforeach()

add_custom_target(artwork_png DEPENDS ${art_pngs})
add_library(nodala_artwork STATIC ${art}/icons.qrc ${art}/about.qrc)
add_dependencies(nodala_artwork artwork_png)
target_link_libraries(nodala_artwork PUBLIC Qt6::Core)
target_compile_definitions(nodala_artwork INTERFACE NODALA_ARTWORK_SUFFIX="png")
