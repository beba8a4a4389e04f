# add_gauge_module(): builds one gauge module (.gau) from its sources and
# its resource script.
#
#   add_gauge_module(NAME Kestrin
#                    SOURCES a.cpp b.cpp
#                    RC kestrin.rc             resource script
#                    EXPORTS kestrin.map       linker version script
#                    ART_COMMAND cmd args...   draws the bitmaps into ART_DIR
#                    ART_DIR dir
#                    OUTPUT_DIR dir            default: the modules folder
#                    DEFINES NAME=value ...)   compile definitions
#
# The resource script is compiled once into a standard .res file; the Linux
# module carries that file unchanged in its unmapped ELF section .gaures,
# where the panel host reads it.
function(add_gauge_module)
  cmake_parse_arguments(M "" "NAME;RC;EXPORTS;ART_DIR;OUTPUT_DIR" "SOURCES;ART_COMMAND;ART_DEPENDS;DEFINES" ${ARGN})
  if(NOT M_OUTPUT_DIR)
    set(M_OUTPUT_DIR ${PANEL_MODULE_DIR})
  endif()
  get_filename_component(rc_abs ${M_RC} ABSOLUTE)
  get_filename_component(rc_dir ${rc_abs} DIRECTORY)
  get_filename_component(map_abs ${M_EXPORTS} ABSOLUTE)
  set(art_stamp ${M_ART_DIR}/.drawn)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${M_NAME}.res)

  add_custom_command(
    OUTPUT ${art_stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${M_ART_DIR}
    COMMAND ${M_ART_COMMAND}
    COMMAND ${CMAKE_COMMAND} -E touch ${art_stamp}
    DEPENDS ${M_ART_DEPENDS}
    COMMENT "Drawing the bitmaps of ${M_NAME}.gau"
    VERBATIM)
  file(GLOB rc_headers ${rc_dir}/*.h)
  add_custom_command(
    OUTPUT ${res}
    COMMAND ${WINDRES} --preprocessor=cpp -I ${rc_dir} -I ${M_ART_DIR}
            --input-format=rc -O res ${rc_abs} ${res}
    WORKING_DIRECTORY ${M_ART_DIR}
    DEPENDS ${rc_abs} ${rc_headers} ${art_stamp}
    COMMENT "Compiling the resources of ${M_NAME}.gau"
    VERBATIM)
  add_custom_target(${M_NAME}_resources DEPENDS ${res})

  add_library(${M_NAME} MODULE ${M_SOURCES})
  add_dependencies(${M_NAME} ${M_NAME}_resources)
  target_link_libraries(${M_NAME} PRIVATE gauge_interface)
  target_compile_definitions(${M_NAME} PRIVATE ${M_DEFINES})
  # Static records name only the fields the module sets; the rest, the host's
  # working state among them, are zero by design.
  target_compile_options(${M_NAME} PRIVATE -fvisibility=hidden -fno-exceptions -fno-rtti
                         -Wno-missing-field-initializers)
  target_link_options(${M_NAME} PRIVATE
    -static-libstdc++ -static-libgcc -Wl,--exclude-libs,ALL
    -Wl,--no-undefined -Wl,--version-script=${map_abs})
  set_target_properties(${M_NAME} PROPERTIES
    PREFIX "" SUFFIX ".gau" OUTPUT_NAME ${M_NAME}
    LIBRARY_OUTPUT_DIRECTORY ${M_OUTPUT_DIR}
    LINK_DEPENDS "${map_abs};${res}")
  add_custom_command(TARGET ${M_NAME} POST_BUILD
    COMMAND ${OBJCOPY} --add-section .gaures=${res}
            --set-section-flags .gaures=noload,readonly $<TARGET_FILE:${M_NAME}>
    VERBATIM)
endfunction()
