# The skin elements, the definition reading and the skin data component. The colour table and
# the definition's small rules are platform-free and built in both trees.
add_library(zembrel_skin_rules STATIC skin_colours.cpp definition_rules.cpp)
target_link_libraries(zembrel_skin_rules PUBLIC zembrel_skinstore)
target_include_directories(zembrel_skin_rules PUBLIC "${ZEMBREL_ROOT}")
if(NOT CMAKE_CROSSCOMPILING)
  zembrel_test(test_skin_colours SOURCES "${ZEMBREL_ROOT}/tests/host/test_skin_colours.cpp" LIBS zembrel_skin_rules)
endif()

if(WIN32)
  add_library(zembrel_skin_data STATIC
    skin_elements.cpp
    skin_element_readers.cpp
    skin_title_buttons.cpp
    skin_resource_bitmaps.cpp
    skin_definition.cpp
    skin_generated.cpp
    skin_third_party_defaults.cpp
    skin_manager.cpp
    WinSkinData.cpp
    skin_caption.cpp)
  target_link_libraries(zembrel_skin_data PUBLIC zembrel_skin_rules zembrel_skin_draw zembrel_framework zembrel_skinstore)
  target_include_directories(zembrel_skin_data PUBLIC "${ZEMBREL_ROOT}")
endif()
