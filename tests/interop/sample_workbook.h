#pragma once
#include <string>

#include "spreadsheet/model/workbook.h"

namespace interop {

// A one-sheet workbook that uses every feature the writer supports: styles,
// merges, formulas of every result type, names with lists, list validations,
// page setup with a print area, a macro button and the macro project.
// `moduleFile` is the macro source to carry as Module1.
void buildSampleWorkbook(spreadsheet::Workbook& book, const std::string& moduleFile);

// What the workbook holds, as JSON for the interop scripts to compare with
// what third-party readers see.
std::string describeWorkbook(const spreadsheet::Workbook& book);

}  // namespace interop
