#pragma once
#include <xlsxwriter.h>

#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xlsx/cell_formats.h"

namespace spreadsheet::xlsx {

// Whether the sheet's buttons and code name go into the file: only a
// macro-enabled workbook can run the macros they name.
enum class Macros { LeftOut, Kept };

// Everything of one sheet: rows and columns, merges, cells, validations, page
// setup and, with macros kept, the buttons. Throws spreadsheet::Error on the
// library's refusal, naming what it refused.
void writeSheet(lxw_worksheet* target, const Worksheet& sheet, CellFormats& formats, Macros macros);

// Throws spreadsheet::Error naming `what` when the library reports an error.
void check(lxw_error result, const char* what);

}  // namespace spreadsheet::xlsx
