#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::xlsx {

// The macro project as the standalone compound file an Office Open XML
// workbook carries: the project storage's streams at its root ("PROJECT",
// "VBA/dir", ...) instead of under "_VBA_PROJECT_CUR/".
std::vector<std::uint8_t> vbaProjectBin(const MacroProject& project);

}  // namespace spreadsheet::xlsx
