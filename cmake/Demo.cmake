# The demo target runs every program once with a sample input and shows what
# it printed.
get_property(programs GLOBAL PROPERTY SUITE_PROGRAMS)
add_custom_target(demo
  COMMAND ${CMAKE_COMMAND} -DBIN=${CMAKE_RUNTIME_OUTPUT_DIRECTORY} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/demo
          -P ${CMAKE_CURRENT_LIST_DIR}/RunDemo.cmake
  DEPENDS ${programs}
  USES_TERMINAL)
