# add_project_test(): one GoogleTest program, registered with CTest.
#
#   add_project_test(NAME bmp_test SOURCES bmp_test.cpp LIBS panel_lib
#                    DEFINES KEY=value ... DEPENDS target ...)
function(add_project_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;DEFINES;DEPENDS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE ${T_DEFINES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_DEPENDS)
    add_dependencies(${T_NAME} ${T_DEPENDS})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
endfunction()
