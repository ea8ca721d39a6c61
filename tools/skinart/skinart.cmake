# Zembrel's own skin art: the skin engine's resource bitmaps and the program's skin, drawn by the
# zembrel-skinart generator from the committed sources under resources/skin/ and packed with
# skinpack. Included from skin/CMakeLists.txt in both trees.
#
# Windows programs cannot run during the Windows build, so there the generator and skinpack are
# compiled with the build machine's own compiler in custom commands; the native tree builds them
# as ordinary targets.
set(_skinart_src "${ZEMBREL_ROOT}/tools/skinart")
set(_skinart_sources
  "${_skinart_src}/main.cpp"
  "${_skinart_src}/image.cpp"
  "${_skinart_src}/shapes.cpp"
  "${_skinart_src}/glyphs.cpp"
  "${_skinart_src}/engine_resources.cpp")
set(_skinart_out "${CMAKE_BINARY_DIR}/skin")

if(CMAKE_CROSSCOMPILING)
  find_program(ZEMBREL_HOST_CXX NAMES c++ g++ REQUIRED)
  set(_skinart_tool "${_skinart_out}/host/zembrel-skinart")
  add_custom_command(
    OUTPUT "${_skinart_tool}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${_skinart_out}/host"
    COMMAND "${ZEMBREL_HOST_CXX}" -O2 -std=c++20 "-I${ZEMBREL_ROOT}" ${_skinart_sources} -o "${_skinart_tool}"
    DEPENDS ${_skinart_sources} "${_skinart_src}/image.h" "${_skinart_src}/shapes.h" "${_skinart_src}/glyphs.h"
            "${_skinart_src}/engine_resources.h"
    COMMENT "Building the skin art generator for the build machine")
  set(_skinart_tool_dep "${_skinart_tool}")
else()
  add_executable(zembrel-skinart ${_skinart_sources})
  target_include_directories(zembrel-skinart PRIVATE "${ZEMBREL_ROOT}")
  set(_skinart_tool zembrel-skinart)
  set(_skinart_tool_dep zembrel-skinart)
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
