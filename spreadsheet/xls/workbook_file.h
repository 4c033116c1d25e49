#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::xls {

// The Excel 97-2003 workbook file: BIFF8 records in an OLE2 compound file.
// Equal workbooks give equal bytes (no timestamps). Cached formula results are
// taken from Cell::value, so callers recalculate before writing.
std::vector<std::uint8_t> writeWorkbook(const Workbook& book);

// Writes the file whole or not at all: the bytes go to a temporary file in the
// target's folder that is renamed over the target. Refuses sheets with data
// beyond row 65,536 or column 256. Throws spreadsheet::Error on any failure.
void saveWorkbook(const Workbook& book, const std::string& path);

// Reads what writeWorkbook writes. Anything malformed or unsupported throws
// spreadsheet::Error naming the record (id in hex) and its byte offset.
std::unique_ptr<Workbook> readWorkbook(std::span<const std::uint8_t> bytes);
std::unique_ptr<Workbook> openWorkbook(const std::string& path);

}  // namespace spreadsheet::xls
