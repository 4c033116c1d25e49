#pragma once
#include "spreadsheet/formula/relocate.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

// After cells of `shifted` have moved: every formula of every sheet, every
// defined name, every validation formula and the print area of `shifted`
// follow the cells they refer to.
void adjustReferences(Worksheet& shifted, const formula::CellShift& shift);

// A sheet was renamed from `oldName`: qualified references follow it.
void renameSheetReferences(Workbook& book, const std::string& oldName, const std::string& newName);

// A sheet is about to go: references to it become #REF!.
void invalidateSheetReferences(Workbook& book, const std::string& name);

}  // namespace spreadsheet::edit
