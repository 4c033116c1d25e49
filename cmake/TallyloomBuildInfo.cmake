# The generated header "tallyloom/build_info.h" (target tallyloom_build_info):
# version, desktop id, the installed folders relative to the programs, and
# the maker's addresses.
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

# The maker's web site (opened at one start in a hundred) and the support
# address (named in the error report): empty unless a build names them, and
# then the program opens no site and names no address.
set(TALLYLOOM_MAKER_SITE "" CACHE STRING "The maker's web site; empty: never opened")
set(TALLYLOOM_SUPPORT_ADDRESS "" CACHE STRING "The support e-mail address; empty: none named")

set(_generated ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/build_info.h.in
               ${_generated}/tallyloom/build_info.h @ONLY)

add_library(tallyloom_build_info INTERFACE)
target_include_directories(tallyloom_build_info INTERFACE ${_generated})
