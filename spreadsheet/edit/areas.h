#pragma once
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

// The parts of `a` outside `b`: at most four rectangles.
std::vector<CellRange> subtract(const CellRange& a, const CellRange& b);

// The smallest rectangle holding both.
CellRange boundingBox(const CellRange& a, const CellRange& b);

// The area grown until no merged area sticks out of it.
CellRange growToMerged(const Worksheet& sheet, CellRange area);

// What selecting `areas` selects: a single cell inside a merged area stands
// for the whole merged area.
std::vector<CellRange> selectionFor(const Worksheet& sheet, std::vector<CellRange> areas);

}  // namespace spreadsheet::edit
