# Zembrel's own skin art: the skin engine's resource bitmaps and the program's skin, drawn by the
# zembrel-skinart generator from the committed sources under resources/skin/ and packed with
# skinpack. Included from skin/CMakeLists.txt in both trees.
#
# Outputs (both trees):
#   ${CMAKE_BINARY_DIR}/skin/zembrel.skin   the packed skin (target zembrel_skin_packed; its path
#                                           in ZEMBREL_SKIN_PACKED, a global property and cache entry)
#   ${CMAKE_BINARY_DIR}/skin/art/*.bmp      the skin's bitmaps
#   ${CMAKE_BINARY_DIR}/skin/res/*.bmp      GLAZENMENU, TRACK, TRACKVERT; in the Windows tree
#                                           compiled into the OBJECT library zembrel_skin_res
#
# Windows programs cannot run during the Windows build, so there the generator and skinpack are
# compiled with the build machine's own compiler in custom commands; the native tree builds them
# as ordinary targets.
set(_skinart_src "${ZEMBREL_ROOT}/tools/skinart")
set(_skinart_main "${_skinart_src}/main.cpp")
set(_skinart_sources
  "${_skinart_src}/image.cpp"
  "${_skinart_src}/shapes.cpp"
  "${_skinart_src}/glyphs.cpp"
  "${_skinart_src}/engine_resources.cpp"
  "${_skinart_src}/skin_colours.cpp"
  "${_skinart_src}/skin_art.cpp"
  "${_skinart_src}/frame_art.cpp"
  "${_skinart_src}/control_art.cpp"
  "${_skinart_src}/scroll_art.cpp"
  "${_skinart_src}/menu_art.cpp")
set(_skinart_reader_sources "${ZEMBREL_ROOT}/skin/quick_ini.cpp" "${ZEMBREL_ROOT}/skin/text_lines.cpp")
set(_skinart_out "${CMAKE_BINARY_DIR}/skin")
set(_skin_sources "${ZEMBREL_ROOT}/resources/skin")

if(CMAKE_CROSSCOMPILING)
  find_program(ZEMBREL_HOST_CXX NAMES c++ g++ REQUIRED)
  file(GLOB _skinart_headers CONFIGURE_DEPENDS "${_skinart_src}/*.h" "${ZEMBREL_ROOT}/skin/*.h"
       "${ZEMBREL_ROOT}/tools/skinpack/*.h")
  # _skinart_host_program(OUTPUT source...): a program for the build machine.
  function(_skinart_host_program out)
    add_custom_command(
      OUTPUT "${out}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${_skinart_out}/host"
      COMMAND "${ZEMBREL_HOST_CXX}" -O2 -std=c++20 "-I${ZEMBREL_ROOT}" ${ARGN} -o "${out}"
      DEPENDS ${ARGN} ${_skinart_headers}
      COMMENT "Building ${out} for the build machine")
  endfunction()
  set(_skinart_tool "${_skinart_out}/host/zembrel-skinart")
  _skinart_host_program("${_skinart_tool}" ${_skinart_main} ${_skinart_sources} ${_skinart_reader_sources})
  set(_skinpack_tool "${_skinart_out}/host/skinpack")
  set(_skinpack_sources main.cpp lzh_encoder.cpp skin_writer.cpp skinpack_cli.cpp)
  list(TRANSFORM _skinpack_sources PREPEND "${ZEMBREL_ROOT}/tools/skinpack/")
  set(_skinstore_sources lzh_tree.cpp lzh_codec.cpp text_lines.cpp quick_ini.cpp skin_reader.cpp skin_notice.cpp)
  list(TRANSFORM _skinstore_sources PREPEND "${ZEMBREL_ROOT}/skin/")
  _skinart_host_program("${_skinpack_tool}" ${_skinpack_sources} ${_skinstore_sources})
  # One target builds both programs. The commands that run them depend on their sources and on
  # that target, not on the program files: a program file named by commands of two targets would
  # be built by both at once under -j, and one would run it while the other still writes it.
  add_custom_target(zembrel_skinart_host_tools DEPENDS "${_skinart_tool}" "${_skinpack_tool}")
  # For other parts of the Windows build that pack skins of their own (test fixtures).
  set(ZEMBREL_HOST_SKINPACK "${_skinpack_tool}" CACHE INTERNAL "skinpack for the build machine")
  set(_skinart_tool_dep ${_skinart_main} ${_skinart_sources} ${_skinart_reader_sources} ${_skinart_headers})
  set(_skinpack_tool_dep ${_skinpack_sources} ${_skinstore_sources} ${_skinart_headers})
else()
  # The drawing code as a library too, for the skin tests.
  add_library(zembrel_skinart STATIC ${_skinart_sources})
  target_link_libraries(zembrel_skinart PUBLIC zembrel_skinstore)
  add_executable(zembrel-skinart "${_skinart_main}")
  target_link_libraries(zembrel-skinart PRIVATE zembrel_skinart)
  set(_skinart_tool zembrel-skinart)
  set(_skinart_tool_dep zembrel-skinart)
  set(_skinpack_tool skinpack)  # tools/skinpack, resolved when the build is generated
  set(_skinpack_tool_dep skinpack)
endif()

# ---- The skin engine's resources: GLAZENMENU, TRACK, TRACKVERT ----
set(_skinres_dir "${_skinart_out}/res")
set(ZEMBREL_SKIN_RESOURCE_FILES
  "${_skinres_dir}/glazenmenu.bmp"
  "${_skinres_dir}/track.bmp"
  "${_skinres_dir}/trackvert.bmp")
add_custom_command(
  OUTPUT ${ZEMBREL_SKIN_RESOURCE_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_skinres_dir}"
  COMMAND ${_skinart_tool} resources "${_skinres_dir}"
  DEPENDS ${_skinart_tool_dep}
  COMMENT "Drawing the skin engine's resource bitmaps")
add_custom_target(zembrel_skin_resource_art DEPENDS ${ZEMBREL_SKIN_RESOURCE_FILES})
if(TARGET zembrel_skinart_host_tools)
  add_dependencies(zembrel_skin_resource_art zembrel_skinart_host_tools)
endif()

if(WIN32)
  # Linked into every program that runs the skin engine: LoadBitmap/LoadImage find them by name.
  set(_skinres_rc "${_skinres_dir}/zembrel_skin_res.rc")
  file(GENERATE OUTPUT "${_skinres_rc}" CONTENT
"GLAZENMENU BITMAP \"${_skinres_dir}/glazenmenu.bmp\"
TRACK BITMAP \"${_skinres_dir}/track.bmp\"
TRACKVERT BITMAP \"${_skinres_dir}/trackvert.bmp\"
")
  set_source_files_properties("${_skinres_rc}" PROPERTIES OBJECT_DEPENDS "${ZEMBREL_SKIN_RESOURCE_FILES}")
  add_library(zembrel_skin_res OBJECT "${_skinres_rc}")
  add_dependencies(zembrel_skin_res zembrel_skin_resource_art)
endif()

# ---- The program's skin ----
# resources/skin/skin.lst names the entries in container order: the definition, then the bitmaps
# the generator draws.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_skin_sources}/skin.lst")
file(STRINGS "${_skin_sources}/skin.lst" _skin_entries REGEX "^[^#]")
set(_skin_art_dir "${_skinart_out}/art")
set(_skin_bitmap_names "")
set(_skin_bitmaps "")
set(_skin_pack_list "")
foreach(entry ${_skin_entries})
  string(STRIP "${entry}" entry)
  if(entry MATCHES "\\.bmp$")
    list(APPEND _skin_bitmap_names "${entry}")
    list(APPEND _skin_bitmaps "${_skin_art_dir}/${entry}")
    string(APPEND _skin_pack_list "${_skin_art_dir}/${entry}\n")
  else()
    string(APPEND _skin_pack_list "${_skin_sources}/${entry}\n")
  endif()
endforeach()
set(_skin_pack_list_file "${_skinart_out}/zembrel_skin.lst")
file(WRITE "${_skin_pack_list_file}.in" "${_skin_pack_list}")
configure_file("${_skin_pack_list_file}.in" "${_skin_pack_list_file}" COPYONLY)  # rewritten only when it changes

add_custom_command(
  OUTPUT ${_skin_bitmaps}
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_skin_art_dir}"
  COMMAND ${_skinart_tool} skin "${_skin_sources}/zembrel.ini" "${_skin_sources}/palette.ini" "${_skin_art_dir}"
          ${_skin_bitmap_names}
  DEPENDS ${_skinart_tool_dep} "${_skin_sources}/zembrel.ini" "${_skin_sources}/palette.ini"
  COMMENT "Drawing the skin's bitmaps")

set(ZEMBREL_SKIN_PACKED "${_skinart_out}/zembrel.skin" CACHE INTERNAL "Zembrel's packed skin")
set_property(GLOBAL PROPERTY ZEMBREL_SKIN_PACKED "${ZEMBREL_SKIN_PACKED}")
add_custom_command(
  OUTPUT "${ZEMBREL_SKIN_PACKED}"
  COMMAND ${_skinpack_tool} pack --format 40000 "${ZEMBREL_SKIN_PACKED}" --list "${_skin_pack_list_file}"
  DEPENDS ${_skinpack_tool_dep} ${_skin_bitmaps} "${_skin_pack_list_file}" "${_skin_sources}/zembrel.ini"
  COMMENT "Packing the skin")
add_custom_target(zembrel_skin_packed ALL DEPENDS "${ZEMBREL_SKIN_PACKED}")
if(TARGET zembrel_skinart_host_tools)
  add_dependencies(zembrel_skin_packed zembrel_skinart_host_tools)
endif()

# ---- Tests (native tree) ----
if(NOT CMAKE_CROSSCOMPILING)
  set(_skin_test_defs
    "ZEMBREL_SKIN_PACKED_PATH=\"${ZEMBREL_SKIN_PACKED}\""
    "ZEMBREL_SKIN_SOURCES=\"${_skin_sources}\""
    "ZEMBREL_SKIN_ART_DIR=\"${_skin_art_dir}\""
    "ZEMBREL_SKIN_RESOURCE_DIR=\"${_skinres_dir}\""
    "ZEMBREL_SKINART_TOOL=\"$<TARGET_FILE:zembrel-skinart>\"")
  foreach(test test_skin_package test_skin_contrast)
    zembrel_test(${test} SOURCES "${ZEMBREL_ROOT}/tests/host/${test}.cpp" LIBS zembrel_skinart zembrel_skinpack)
    target_compile_definitions(${test} PRIVATE ${_skin_test_defs})
    add_dependencies(${test} zembrel_skin_packed zembrel_skin_resource_art zembrel-skinart)
  endforeach()
endif()
