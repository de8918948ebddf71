# Warnings for the project's own code, linked PRIVATE into every target.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wold-style-cast -Wnon-virtual-dtor -Wcast-align -Wuseless-cast
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
