# Each source folder is one static library made of every .cpp inside it, so
# adding a file needs no edit here. Include paths are rooted at the project
# top: #include "spreadsheet/model/address.h". EXCLUDE names subfolders whose
# files belong to one program only.
function(tallyloom_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE _sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER _sources EXCLUDE REGEX "/(main|fuzz_[^/]*)\\.cpp$")
  foreach(_excluded ${ARG_EXCLUDE})
    list(FILTER _sources EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${folder}/${_excluded}/")
  endforeach()
  if(_sources)
    add_library(${name} STATIC ${_sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One GoogleTest executable per test folder, labelled so `ctest -L unit` works.
function(tallyloom_test_folder kind folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  get_filename_component(_leaf ${folder} NAME)
  set(_exe ${kind}_${_leaf})
  add_executable(${_exe} ${_sources})
  target_link_libraries(${_exe} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_compile_definitions(${_exe} PRIVATE
    TALLYLOOM_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    TALLYLOOM_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${_exe}
    PROPERTIES LABELS ${kind}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
