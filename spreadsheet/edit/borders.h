#pragma once
#include <optional>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::edit {

// A change to one property of a border; unset members stay as they are.
struct BorderChange {
  std::optional<int> lineStyle;
  std::optional<int> weight;
  std::optional<int> colorIndex;
};

// The line after `change`: LineNone clears it; a weight or colour given to a
// border with no line makes it a continuous line.
Border changedBorder(Border b, const BorderChange& change);

// Changes border `index` (xl::DiagonalDown .. xl::InsideHorizontal) of an
// area. An outer edge changes on the cells along it and on the touching edge
// of the neighbours just outside; inside lines change on both cells that
// meet at each line.
void applyBorder(Worksheet& sheet, const CellRange& area, int index, const BorderChange& change);

// Of two descriptions of one edge, the line that shows: a line over none, the
// heavier line, then the darker colour (automatic is black), then `first`.
// The picture resolves a remaining conflict by the same order.
const Border& shownBorder(const Workbook& book, const Border& first, const Border& second);

// Makes the cells on both sides of every edge in and around `area` describe
// the line that shows there. Moving cells (insert, delete, copied cells) brings
// together neighbours that described their common edge apart.
void joinSharedEdges(Worksheet& sheet, const CellRange& area);

// The border `index` as the area shows it: that of the first cell along the
// edge (for inside lines, the first line between two cells; none when there
// is no such line).
Border borderOf(const Worksheet& sheet, const CellRange& area, int index);

}  // namespace spreadsheet::edit
