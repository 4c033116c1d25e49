# Fuzz targets of every parser that reads outside input. With TALLYLOOM_FUZZ
# (clang) each is a libFuzzer program; otherwise each becomes a replay program
# that the test run feeds the committed corpus and regression inputs.
# Included from spreadsheet/CMakeLists.txt once every library exists.
set(_targets ${CMAKE_CURRENT_LIST_DIR}/targets)
set(TALLYLOOM_FUZZ_TARGETS
    "xls_reader|${_targets}/fuzz_xls_reader.cpp|spreadsheet_xls"
    "compound_file|${_targets}/fuzz_compound_file.cpp|spreadsheet_cfb"
    "vba_decompress|${_targets}/fuzz_vba_decompress.cpp|spreadsheet_vba"
    "formula|${_targets}/fuzz_formula.cpp|spreadsheet_formula"
    "number_format|${_targets}/fuzz_number_format.cpp|spreadsheet_format"
    "typed_input|${_targets}/fuzz_typed_input.cpp|spreadsheet_format"
    "cursor_file|${_targets}/fuzz_cursor_file.cpp|platform"
    "settings_values|${_targets}/fuzz_settings_values.cpp|generator"
    "font_tables|${_targets}/fuzz_font_tables.cpp|spreadsheet_pdf"
    "sheet_options|${_targets}/fuzz_sheet_options.cpp|generator")

if(TALLYLOOM_FUZZ)
  # Coverage feedback from the code under test, not only from the entry files.
  foreach(_lib spreadsheet_model spreadsheet_format spreadsheet_formula spreadsheet_cfb
               spreadsheet_vba spreadsheet_xls spreadsheet_pdf platform generator)
    target_compile_options(${_lib} PRIVATE -fsanitize=fuzzer-no-link)
  endforeach()
endif()

# The sheet options' target checks the packages' XML with a strict parser of its own.
find_package(LibXml2 REQUIRED)

foreach(_entry ${TALLYLOOM_FUZZ_TARGETS})
  string(REPLACE "|" ";" _parts "${_entry}")
  list(GET _parts 0 _name)
  list(GET _parts 1 _source)
  list(GET _parts 2 _lib)
  if(TALLYLOOM_FUZZ)
    add_executable(fuzz_${_name} ${_source})
    target_compile_options(fuzz_${_name} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_${_name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${_name} PRIVATE ${_lib})
  else()
    add_executable(replay_${_name} ${_source} ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
    target_link_libraries(replay_${_name} PRIVATE ${_lib})
    add_test(NAME fuzz_replay.${_name}
             COMMAND replay_${_name} ${CMAKE_CURRENT_LIST_DIR}/regressions/${_name}
                     ${CMAKE_CURRENT_LIST_DIR}/corpus/${_name})
    set_tests_properties(fuzz_replay.${_name} PROPERTIES LABELS unit)
  endif()
endforeach()
foreach(_target fuzz_sheet_options replay_sheet_options)
  if(TARGET ${_target})
    target_link_libraries(${_target} PRIVATE LibXml2::LibXml2 PkgConfig::LIBZIP)
  endif()
endforeach()
