# Image utilities and the skin image drawing primitives. The colour arithmetic is platform-free
# and built in both trees; the drawing library needs GDI.
add_library(zembrel_colour STATIC colour_math.cpp)
target_include_directories(zembrel_colour PUBLIC "${ZEMBREL_ROOT}")
zembrel_test(test_colour_math SOURCES "${ZEMBREL_ROOT}/tests/host/test_colour_math.cpp" LIBS zembrel_colour)

if(WIN32)
  add_library(zembrel_skin_draw STATIC
    bitmap_pixels.cpp
    ImgUtil.cpp
    skin_paint.cpp
    skin_mask.cpp)
  target_include_directories(zembrel_skin_draw PUBLIC "${ZEMBREL_ROOT}")
  target_link_libraries(zembrel_skin_draw PUBLIC zembrel_framework zembrel_colour gdi32 user32)
endif()
