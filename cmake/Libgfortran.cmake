# The console layer's runtime. The frame's layouts are those of interface
# version 5, so that is the library linked, by its versioned name: it is
# present wherever the runtime is installed, with or without a Fortran compiler.
find_library(LIBGFORTRAN_5 NAMES libgfortran.so.5 REQUIRED)
add_library(gfortran::runtime SHARED IMPORTED)
set_target_properties(gfortran::runtime PROPERTIES
  IMPORTED_LOCATION ${LIBGFORTRAN_5}
  IMPORTED_SONAME libgfortran.so.5)
