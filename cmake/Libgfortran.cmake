# The console layer's runtime, libgfortran of gfortran 12 (interface 5), whose
# layouts the frame was built against.
#
# On Linux it is the shared object, linked by its versioned name: that file is
# present wherever the runtime is installed, with or without a Fortran
# compiler. On Windows it is the static library that comes with the cross
# compiler, found where that compiler keeps its own libraries, together with
# the quad-precision library it needs.
add_library(gfortran::runtime INTERFACE IMPORTED)
if(WIN32)
  foreach(library IN ITEMS gfortran quadmath)
    execute_process(
      COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${library}.a
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}")
      message(FATAL_ERROR "lib${library}.a not found for ${CMAKE_CXX_COMPILER}: install gfortran-mingw-w64-i686")
    endif()
    target_link_libraries(gfortran::runtime INTERFACE ${path})
  endforeach()
else()
  find_library(LIBGFORTRAN_5 NAMES libgfortran.so.5 REQUIRED)
  target_link_libraries(gfortran::runtime INTERFACE ${LIBGFORTRAN_5})
endif()
