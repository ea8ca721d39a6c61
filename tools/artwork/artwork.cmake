# The artwork generator, built with the build machine's own compiler and libjpeg, and the rules
# that turn the description templates under resources/ into the stored descriptions linked
# into the program. Included from app/CMakeLists.txt, so that the generated files belong to
# that directory's targets.
find_program(ZEMBREL_HOST_CXX NAMES c++ g++ REQUIRED)
set(ZEMBREL_ARTWORK_DIR "${CMAKE_BINARY_DIR}/artwork")
set(_art_tool "${ZEMBREL_ARTWORK_DIR}/zembrel-artwork")
set(ZEMBREL_ARTWORK_FILES
  "${ZEMBREL_ARTWORK_DIR}/glyph_book.bmp"
  "${ZEMBREL_ARTWORK_DIR}/glyph_cross.bmp"
  "${ZEMBREL_ARTWORK_DIR}/glyph_envelope_open.bmp"
  "${ZEMBREL_ARTWORK_DIR}/glyph_envelope_clock.bmp"
  "${ZEMBREL_ARTWORK_DIR}/browse_folder.bmp"
  "${ZEMBREL_ARTWORK_DIR}/help_banner.jpg")
add_custom_command(
  OUTPUT "${_art_tool}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${ZEMBREL_ARTWORK_DIR}"
  COMMAND "${ZEMBREL_HOST_CXX}" -O2 -std=c++20 "${ZEMBREL_ROOT}/tools/artwork/artwork.cpp" -ljpeg -o "${_art_tool}"
  DEPENDS "${ZEMBREL_ROOT}/tools/artwork/artwork.cpp"
  COMMENT "Building the artwork generator")
add_custom_command(
  OUTPUT ${ZEMBREL_ARTWORK_FILES}
  COMMAND "${_art_tool}" "${ZEMBREL_ARTWORK_DIR}"
  DEPENDS "${_art_tool}"
  COMMENT "Drawing the glyphs and the help banner")

# zembrel_description(NAME template) -> ${CMAKE_CURRENT_BINARY_DIR}/NAME.desc
# The packed skin (ZEMBREL_SKIN_PACKED) is there for {@data:...} to take.
function(zembrel_description name template)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${name}.desc")
  get_filename_component(skin_dir "${ZEMBREL_SKIN_PACKED}" DIRECTORY)
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${template} -DOUT=${out} -DDIR=${ZEMBREL_ARTWORK_DIR} -DDATA=${skin_dir}
            -P "${ZEMBREL_ROOT}/tools/artwork/splice.cmake"
    DEPENDS "${template}" "${ZEMBREL_ROOT}/tools/artwork/splice.cmake" ${ZEMBREL_ARTWORK_FILES}
            "${ZEMBREL_SKIN_PACKED}" zembrel_skin_packed
    COMMENT "Writing the stored description ${name}")
endfunction()
