# The browser's fonts: woff2 subsets of the desktop's font files with their licences, and the
# tables of their measures that let the browser wrap and shrink text exactly as FreeType does
# (tools/web_fonts.py, toolkit/web/font_table.cpp).
#
#   web_fonts(OUT_DIR GENERATED_CPP)
#
# writes the woff2 files and LICENCE-*.txt into OUT_DIR and the tables into GENERATED_CPP, which
# is built with toolkit/web/font_table.cpp (tk::FontTable); the target ruvantia_web_fonts makes them.

# Debian's own Python has fontTools and brotli; another python3 on the PATH may not.
find_program(RUVANTIA_FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(RUVANTIA_FONT_PYTHON python3)

# The faces the desktop picks for the game's typefaces; tools/web_fonts.py names the same files.
set(RUVANTIA_WEB_FONT_FILES
    /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf
    /usr/share/fonts/opentype/lobstertwo/LobsterTwo-BoldItalic.otf)
set(RUVANTIA_WEB_FONT_LICENCES
    /usr/share/doc/fonts-liberation2/copyright
    /usr/share/doc/fonts-lobstertwo/copyright)

function(web_fonts OUT_DIR GENERATED_CPP)
  if(NOT RUVANTIA_FONT_PYTHON)
    message(FATAL_ERROR "web_fonts: no python3 (Debian's python3-fonttools and python3-brotli are needed)")
  endif()
  # Every character the game can show without a pack of the player's: the built-in questions
  # and the texts written in the game's sources.
  file(GLOB texts CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/game/*.cpp ${CMAKE_SOURCE_DIR}/lifelines/*.cpp ${CMAKE_SOURCE_DIR}/windows/*.cpp)
  list(PREPEND texts ${CMAKE_SOURCE_DIR}/game/bank/domande.tsv)
  list(APPEND texts ${CMAKE_SOURCE_DIR}/toolkit/text_layout.cpp)
  set(woff2)
  foreach(face liberation-sans-regular liberation-sans-bold liberation-serif-bold lobster-two-bold-italic)
    list(APPEND woff2 ${OUT_DIR}/${face}.woff2)
  endforeach()
  list(GET RUVANTIA_WEB_FONT_LICENCES 0 liberation_licence)
  list(GET RUVANTIA_WEB_FONT_LICENCES 1 lobster_licence)
  add_custom_command(
    OUTPUT ${GENERATED_CPP} ${woff2} ${OUT_DIR}/LICENCE-liberation.txt ${OUT_DIR}/LICENCE-lobster-two.txt
    COMMAND ${RUVANTIA_FONT_PYTHON} ${CMAKE_SOURCE_DIR}/tools/web_fonts.py ${OUT_DIR} ${GENERATED_CPP} ${texts}
    COMMAND ${CMAKE_COMMAND} -E copy ${liberation_licence} ${OUT_DIR}/LICENCE-liberation.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${lobster_licence} ${OUT_DIR}/LICENCE-lobster-two.txt
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/web_fonts.py ${RUVANTIA_WEB_FONT_FILES} ${RUVANTIA_WEB_FONT_LICENCES} ${texts}
    COMMENT "Subsetting the browser's fonts and measuring them"
    VERBATIM)
  add_custom_target(ruvantia_web_fonts DEPENDS ${GENERATED_CPP} ${woff2} ${OUT_DIR}/LICENCE-liberation.txt
                                                              ${OUT_DIR}/LICENCE-lobster-two.txt)
endfunction()
