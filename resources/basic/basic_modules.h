#pragma once
#include <vector>

#include "generator/sheet_texts.h"
#include "spreadsheet/ods/basic_library.h"

// The LibreOffice Basic modules an .ods time sheet carries: CopyTimes written
// against the sheet interface, for the buttons to call; it finds the day
// columns by the day names of the sheet's language.
std::vector<spreadsheet::ods::BasicModule> TemplateBasicModules(
    generator::SheetLanguage language = generator::SheetLanguage::English);
