# The generated header "tallyloom/build_info.h" (target tallyloom_build_info):
# version, desktop id and the installed folders relative to the programs.
include(GNUInstallDirs)

# The private folder of the whole program under the prefix (Debian's place for
# a package's own programs), and the same folder in the build tree.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(TALLYLOOM_PRIVATE_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/tallyloom)
else()
  set(TALLYLOOM_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/tallyloom)
endif()
file(RELATIVE_PATH TALLYLOOM_WHOLE_FROM_COMMAND
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TALLYLOOM_PRIVATE_DIR}/tallyloom)
file(RELATIVE_PATH TALLYLOOM_DATA_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${TALLYLOOM_PRIVATE_DIR} ${CMAKE_INSTALL_FULL_DATADIR}/tallyloom)

set(_generated ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/build_info.h.in
               ${_generated}/tallyloom/build_info.h @ONLY)

add_library(tallyloom_build_info INTERFACE)
target_include_directories(tallyloom_build_info INTERFACE ${_generated})
