# GoogleTest from Debian's sources, built in each tree, and the two ways tests are registered.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
include(GoogleTest)

# zembrel_test(name SOURCES ... LIBS ... [DESKTOP] [TIMEOUT s])
# DESKTOP: the test drives windows, focus or input, so it never runs beside another such test.
# Native trees list every test case for ctest; under Wine one test program is one ctest test,
# since each Wine start costs far more than a test case.
function(zembrel_test name)
  cmake_parse_arguments(T "DESKTOP" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${ZEMBREL_ROOT}")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(T_DESKTOP)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
  else()
    gtest_discover_tests(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()
