# The generated header "tallyloom/build_info.h" (target tallyloom_build_info):
# version, desktop id and the installed data folder relative to the program.
include(GNUInstallDirs)

file(RELATIVE_PATH TALLYLOOM_DATA_FROM_PROGRAM
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tallyloom)

set(_generated ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/build_info.h.in
               ${_generated}/tallyloom/build_info.h @ONLY)

add_library(tallyloom_build_info INTERFACE)
target_include_directories(tallyloom_build_info INTERFACE ${_generated})
