#pragma once
#include <string>

namespace spreadsheet::api {
class Application;
}

// The small formatting steps every layout block is made of. Each acts on the
// active sheet of the application, through its selection.
namespace generator {

using Excel = spreadsheet::api::Application;

// Column letters ("E" for 5, "AA" for 27); spreadsheet::Error outside the sheet.
std::string ColumnLetters(int column);
// Selection.Borders(index): Weight thin, then ColorIndex.
void SetEdgeBorder(Excel& xl, int index, int colorIndex);
// Selection.Borders(index): no line.
void ClearEdgeBorder(Excel& xl, int index);
// Rows(rows) selected, then their height in points.
void SetRowHeight(Excel& xl, const std::string& rows, double points);
// Columns(columns) selected, then their width in characters.
void SetColumnWidth(Excel& xl, const std::string& columns, double characters);
// Range(address) selected unless the address is empty; then the selection's fill.
void FillInterior(Excel& xl, const std::string& address, int colorIndex);
// Range(address) selected; the active cell typed with `text`; merged when asked.
void WriteCell(Excel& xl, const std::string& address, const std::string& text, bool merge);
// The selection's font: style ("Bold", "General"), size, colour index.
void SetFont(Excel& xl, const std::string& style, double size, int colorIndex);
// Range(address) selected unless empty; then the selection's number format.
void SetNumberFormat(Excel& xl, const std::string& address, const std::string& format);

// Selection alignment; 0 leaves that direction as it is.
void AlignSelection(Excel& xl, int horizontal, int vertical = 0);
// Range(address) selected, then aligned.
void AlignRange(Excel& xl, const std::string& address, int horizontal, int vertical = 0);

}  // namespace generator
