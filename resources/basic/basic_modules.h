#pragma once
#include <vector>

#include "spreadsheet/ods/basic_library.h"

// The LibreOffice Basic modules an .ods time sheet carries: CopyTimes written
// against the sheet interface, for the buttons to call.
std::vector<spreadsheet::ods::BasicModule> TemplateBasicModules();
