#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xlsx/sheet_content.h"

namespace spreadsheet::xlsx {

// The Office Open XML workbook: .xlsx with macros left out (no buttons, no
// macro project), .xlsm with them kept (the buttons and the macro project as
// vbaProject.bin, with the workbook's and sheets' code names). Cached formula
// results come from Cell::value. Equal workbooks give equal bytes. Throws
// spreadsheet::Error on any failure, and for .xlsm when the workbook has no
// macro project.
std::vector<std::uint8_t> writeXlsx(const Workbook& book, Macros macros);

}  // namespace spreadsheet::xlsx
