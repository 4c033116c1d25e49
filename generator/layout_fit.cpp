#include <algorithm>
#include <cmath>
#include <string>

#include "generator/layout_blocks.h"
#include "generator/text_width.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/units.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

// A cell's text stands clear of its grid line and of a margin on either side;
// the widths are rounded up, so the measure errs on the wide side.
constexpr int kTextClearance = 1 + 2 * 2;
constexpr double kSizeStep = 0.5;
constexpr double kSmallestSize = 6;

// Pixels a text of one line has across the columns of `area`.
int room(Excel& app, const spreadsheet::CellRange& area) {
  int pixels = 0;
  for (int column = area.first.column; column <= area.last.column; ++column)
    pixels += spreadsheet::ColumnWidthPixels(app.Range(A1(column, area.first.row)).ColumnWidth());
  return pixels - kTextClearance;
}

// Pixels of a text: the picture sizes fonts in whole pixels (9.5 points are
// 13 pixels, as 10 are), the printed page in exact points; the wider counts.
double textPixels(const std::string& text, double points, bool bold) {
  const double exact = points * 96 / 72;
  return ArialTextWidth(text, 1, bold) * std::max(exact, std::round(exact));
}

}  // namespace

void FitTexts(Excel& app, const SheetGeometry& sheet) {
  const spreadsheet::CellRange area = sheet.printArea();
  const spreadsheet::api::Range texts =
      app.Range(A1(area.first.column, area.first.row) + ":" + A1(area.last.column, area.last.row))
          .SpecialCells(xl::CellTypeConstants, xl::TextValues);
  for (int index = 1; index <= texts.AreasCount(); ++index) {
    const spreadsheet::api::Range cell = texts.Areas(index);
    if (cell.WrapText()) continue;
    const std::string text = cell.Value().toText();
    spreadsheet::api::Range merged = cell.MergeArea();
    const double pixels = room(app, merged.areas().front());
    auto font = merged.Font();
    const bool bold = font.Bold();
    const double size = font.Size();
    double fitted = size;
    while (fitted > kSmallestSize && textPixels(text, fitted, bold) > pixels) fitted -= kSizeStep;
    if (fitted != size) font.setSize(fitted);
  }
}

}  // namespace generator::layout
