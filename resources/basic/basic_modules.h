#pragma once
#include <vector>

#include "spreadsheet/ods/basic_library.h"

// The LibreOffice Basic modules an .ods time sheet carries: CopyTimes written
// against the sheet interface, for the buttons to call. For a protected sheet
// the copy lifts the protection and puts it back.
std::vector<spreadsheet::ods::BasicModule> TemplateBasicModules(bool sheetProtected);
