#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/formats/workbook_format.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/basic_library.h"

namespace spreadsheet::formats {

// The workbook as a zip package: .xlsx, .xlsm or .ods (`basic` for the .ods).
// Throws spreadsheet::Error, also for the .xls, which is no package.
//
// Its own file, so that it is the only road from the registry to libzip and
// libxlsxwriter: a program that writes only .xls may link a definition of its
// own that refuses, and starts without them (the command line does).
std::vector<std::uint8_t> WritePackageBytes(const Workbook& book, WorkbookFormat format,
                                            const std::vector<ods::BasicModule>& basic);

}  // namespace spreadsheet::formats
