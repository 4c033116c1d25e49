#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/formats/workbook_format.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/basic_library.h"

namespace spreadsheet::formats {

// The workbook's file in `format`. Cached formula results come from
// Cell::value, so callers recalculate first. `basic` is the Basic source an
// .ods carries for its buttons (the other formats carry the workbook's own
// macro project, or none). Throws spreadsheet::Error.
std::vector<std::uint8_t> WriteWorkbookBytes(const Workbook& book, WorkbookFormat format,
                                             const std::vector<ods::BasicModule>& basic = {});

// Writes the workbook at `path` in `format`, whole or not at all: a failure
// leaves an existing file as it was. Throws spreadsheet::Error.
void SaveWorkbook(const Workbook& book, const std::string& path, WorkbookFormat format,
                  const std::vector<ods::BasicModule>& basic = {});

// Reads the .xls at `from` (as our writer writes it) and saves it at `to` in
// `format`, whole or not at all. Throws spreadsheet::Error.
void ConvertWorkbookFile(const std::string& from, const std::string& to, WorkbookFormat format,
                         const std::vector<ods::BasicModule>& basic = {});

}  // namespace spreadsheet::formats
