# Bakes every SVG under a folder into a generated source file: the tools/bake_art build tool
# rasterises each at its own size and at twice that and packs the pixels, so the game carries
# its pictures ready to draw and needs neither files nor an SVG renderer at run time.
# SDL2_IMAGE_TARGET is what the tool links to rasterise (it needs SDL2 and SDL2_image only).
function(embed_art art_dir output sdl2_image_target)
  file(GLOB svgs CONFIGURE_DEPENDS ${art_dir}/*.svg)
  list(SORT svgs)
  add_executable(bake_art ${CMAKE_SOURCE_DIR}/tools/bake_art.cpp ${CMAKE_SOURCE_DIR}/toolkit/sdl/art_codec.cpp)
  target_include_directories(bake_art PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(bake_art PRIVATE ${sdl2_image_target})
  get_filename_component(output_dir ${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND bake_art ${output} ${svgs}
    DEPENDS bake_art ${svgs}
    COMMENT "Baking the artwork"
    VERBATIM)
endfunction()
