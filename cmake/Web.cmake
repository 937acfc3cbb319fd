# The browser build: the same toolkit, game and questions compiled by emscripten, with the page's
# backend (toolkit/web/) in place of SDL's, written out as a static site in build/web/site/.
# Nothing is fetched: the browser draws the text, pictures and shapes itself.
set(SITE ${CMAKE_BINARY_DIR}/site)

file(GLOB WEB_TOOLKIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/*.cpp)
add_library(ruvantia_toolkit STATIC ${WEB_TOOLKIT_SOURCES})
target_include_directories(ruvantia_toolkit PUBLIC ${CMAKE_SOURCE_DIR})

# The page's way into a spreadsheet's file (game/bank/page/) in place of the desktop's libzip and expat.
file(GLOB WEB_GAME_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/game/*.cpp ${CMAKE_SOURCE_DIR}/game/bank/*.cpp
     ${CMAKE_SOURCE_DIR}/game/bank/page/*.cpp ${CMAKE_SOURCE_DIR}/lifelines/*.cpp ${CMAKE_SOURCE_DIR}/windows/*.cpp)
add_library(ruvantia_game STATIC ${WEB_GAME_SOURCES} ${CMAKE_BINARY_DIR}/generated/builtin_pack.cpp)
target_link_libraries(ruvantia_game PUBLIC ruvantia_toolkit)
target_compile_definitions(ruvantia_game PUBLIC RUVANTIA_VERSION="${PROJECT_VERSION}")

# The fonts: woff2 subsets of the desktop's faces, and their measurements for the text layout.
include(${CMAKE_SOURCE_DIR}/cmake/WebFonts.cmake)
web_fonts(${SITE}/fonts ${CMAKE_BINARY_DIR}/generated/font_table_data.cpp)

file(GLOB WEB_BACKEND_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/web/*.cpp)
add_executable(show ${CMAKE_SOURCE_DIR}/app/web.cpp ${WEB_BACKEND_SOURCES}
                    ${CMAKE_BINARY_DIR}/generated/font_table_data.cpp)
target_link_libraries(show PRIVATE ruvantia_game)
add_dependencies(show ruvantia_web_fonts)
set_target_properties(show PROPERTIES SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${SITE})
target_link_options(show PRIVATE
  -Oz -sMODULARIZE=1 -sEXPORT_NAME=createShow -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
  -sINITIAL_MEMORY=8MB -sTOTAL_STACK=262144 -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0
  "-sEXPORTED_FUNCTIONS=_malloc,_free"
  "-sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString"
  # The page's own script rides in the same file: one request fewer before the first frame.
  --extern-post-js ${CMAKE_SOURCE_DIR}/toolkit/web/page/ruvantia.js)
set_target_properties(show PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/web/page/ruvantia.js)

# The page, its pictures and the fonts' licences, beside the program.
set(PAGE_FILES index.html ruvantia.css compile.js manifest.webmanifest editor.html editor.js editor.css)
set(SITE_FILES)
foreach(f ${PAGE_FILES})
  add_custom_command(OUTPUT ${SITE}/${f} DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/web/page/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/toolkit/web/page/${f} ${SITE}/${f})
  list(APPEND SITE_FILES ${SITE}/${f})
endforeach()
file(GLOB ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/art/*.svg)
foreach(svg ${ART})
  get_filename_component(name ${svg} NAME)
  add_custom_command(OUTPUT ${SITE}/${name} DEPENDS ${svg}
    COMMAND ${CMAKE_COMMAND} -E copy ${svg} ${SITE}/${name})
  list(APPEND SITE_FILES ${SITE}/${name})
endforeach()

# The sheet reader, loaded with the first .xlsx or .ods a player brings: fflate, from the npm
# package that toolkit/web/page/package-lock.json pins (./dev installs it), then the page's walk.
set(FFLATE ${CMAKE_SOURCE_DIR}/toolkit/web/page/node_modules/fflate)
if(NOT EXISTS ${FFLATE}/umd/index.js)
  message(FATAL_ERROR "fflate is missing: run  npm ci --prefix toolkit/web/page  (./dev web and ./dev test do)")
endif()
add_custom_command(OUTPUT ${SITE}/sheets.js ${SITE}/LICENCE-fflate.txt
  DEPENDS ${FFLATE}/umd/index.js ${FFLATE}/LICENSE ${CMAKE_SOURCE_DIR}/toolkit/web/page/sheets.js
  COMMAND ${CMAKE_COMMAND} -DOUT=${SITE}/sheets.js "-DPARTS=${FFLATE}/umd/index.js\;${CMAKE_SOURCE_DIR}/toolkit/web/page/sheets.js"
          -P ${CMAKE_SOURCE_DIR}/cmake/BundleSheets.cmake
  COMMAND ${CMAKE_COMMAND} -E copy ${FFLATE}/LICENSE ${SITE}/LICENCE-fflate.txt)
list(APPEND SITE_FILES ${SITE}/sheets.js ${SITE}/LICENCE-fflate.txt)

add_custom_target(site ALL DEPENDS ${SITE_FILES})

# The service worker that keeps the whole site for playing offline, named after this build.
add_custom_target(offline ALL
  COMMAND ${CMAKE_COMMAND} -DSITE=${SITE} -DTEMPLATE=${CMAKE_SOURCE_DIR}/toolkit/web/page/sw.js
          -P ${CMAKE_SOURCE_DIR}/cmake/Offline.cmake
  BYPRODUCTS ${SITE}/sw.js
  COMMENT "The service worker of this build")
add_dependencies(offline show site ruvantia_web_fonts)

# The whole game in one page that plays from a file with no server: ruvantia.html.
add_custom_target(single_file ALL
  COMMAND ${RUVANTIA_FONT_PYTHON} ${CMAKE_SOURCE_DIR}/tools/single_file.py ${SITE} ${SITE}/ruvantia.html
  BYPRODUCTS ${SITE}/ruvantia.html
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/single_file.py
  COMMENT "The game in one file")
add_dependencies(single_file show site ruvantia_web_fonts)
