# SANITIZE=ON builds everything with the address and undefined-behaviour
# sanitizers, and makes any report of theirs end the process with a failure.
option(SANITIZE "Build with -fsanitize=undefined,address" OFF)

add_library(project_sanitizers INTERFACE)
if(SANITIZE)
  target_compile_options(project_sanitizers INTERFACE
    -fsanitize=undefined,address -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_sanitizers INTERFACE -fsanitize=undefined,address)
endif()
