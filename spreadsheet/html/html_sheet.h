#pragma once
#include <cstddef>
#include <string>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::html {

// One range of a sheet as an HTML table: the visible columns and rows with
// their widths and heights in pixels, merged areas as spans, and one class
// rule per cell style in use (fill, borders, font, alignment, wrapping) in a
// <style> element before the table. Values show as their number format shows
// them. The rules are scoped to the table's class "sheet".
std::string htmlTable(const Worksheet& sheet, const CellRange& range);

// A whole page for sheet `index`: its print area (else its used range) as
// the table above, with print rules for the sheet's page setup (paper,
// orientation, margins, and its zoom or a scale that fits the table on one
// page). Throws spreadsheet::Error when there is no such sheet.
std::string htmlPage(const Workbook& book, std::size_t index = 0);

}  // namespace spreadsheet::html
