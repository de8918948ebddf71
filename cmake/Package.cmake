# One archive of the programs per target, for a user to unpack and run:
# ZIP for Windows, tar.gz for Linux. Linux programs use the installed
# runtime (libgfortran5, or lib32gfortran5 for the 32-bit build); Windows
# programs carry everything they need.
set(CPACK_PACKAGE_NAME console-exercises)
set(CPACK_PACKAGE_VENDOR console-exercises)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME linux-x86)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
include(CPack)
