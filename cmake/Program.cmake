# add_program(<name> <source>): one program of the suite, a body on the frame.
function(add_program name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE frame::frame project_warnings)
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
  install(TARGETS ${name} RUNTIME DESTINATION bin)
endfunction()
