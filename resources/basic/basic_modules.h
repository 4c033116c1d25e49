#pragma once
#include <vector>

#include "resources/macro_tables.h"
#include "spreadsheet/ods/basic_library.h"

// The LibreOffice Basic modules an .ods time sheet carries: CopyTimes written
// against the sheet interface, for the buttons to call; it finds the day
// columns by the day names of the sheet's language, and for a protected sheet
// the copy lifts the protection and puts it back.
std::vector<spreadsheet::ods::BasicModule> TemplateBasicModules(
    const macro_tables::MacroVariant& variant = {});
