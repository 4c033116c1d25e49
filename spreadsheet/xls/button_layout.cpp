#include "spreadsheet/xls/button_layout.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/model/units.h"

namespace spreadsheet::xls {

namespace {

constexpr int kColumnUnits = 1024;
constexpr int kRowUnits = 256;

// A pixel offset into a line as a share of its size, and back.
std::uint16_t share(const Worksheet& sheet, Axis axis, const LinePosition& p, int units) {
  const int size = LinePixels(sheet, axis, p.line);
  if (size <= 0) return 0;
  const long offset = std::lround(double(p.offset) * units / size);
  return static_cast<std::uint16_t>(std::clamp(offset, 0L, long(units - 1)));
}

LinePosition position(const Worksheet& sheet, Axis axis, int line0, int share, int units,
                      int lines) {
  const int line = std::clamp(line0 + 1, 1, lines);
  const int size = LinePixels(sheet, axis, line);
  return {line, static_cast<int>(std::lround(double(size) * std::min(share, units) / units))};
}

}  // namespace

ClientAnchor anchorOf(const Worksheet& sheet, const Button& button) {
  const CellAnchor c = AnchorOf(sheet, ButtonPixels(button), kXlsLimits);
  ClientAnchor a;
  a.col1 = static_cast<std::uint16_t>(c.column1.line - 1);
  a.dx1 = share(sheet, Axis::Columns, c.column1, kColumnUnits);
  a.row1 = static_cast<std::uint16_t>(c.row1.line - 1);
  a.dy1 = share(sheet, Axis::Rows, c.row1, kRowUnits);
  a.col2 = static_cast<std::uint16_t>(c.column2.line - 1);
  a.dx2 = share(sheet, Axis::Columns, c.column2, kColumnUnits);
  a.row2 = static_cast<std::uint16_t>(c.row2.line - 1);
  a.dy2 = share(sheet, Axis::Rows, c.row2, kRowUnits);
  return a;
}

ShapeBox boxOf(const Worksheet& sheet, const ClientAnchor& a) {
  const int columns = kXlsLimits.columns, rows = kXlsLimits.rows;
  CellAnchor c;
  c.column1 = position(sheet, Axis::Columns, a.col1, a.dx1, kColumnUnits, columns);
  c.row1 = position(sheet, Axis::Rows, a.row1, a.dy1, kRowUnits, rows);
  c.column2 = position(sheet, Axis::Columns, a.col2, a.dx2, kColumnUnits, columns);
  c.row2 = position(sheet, Axis::Rows, a.row2, a.dy2, kRowUnits, rows);
  const PixelBox px = BoxOf(sheet, c);
  return {PixelsToPoints(double(px.left)), PixelsToPoints(double(px.top)),
          PixelsToPoints(double(px.width)), PixelsToPoints(double(px.height))};
}

}  // namespace spreadsheet::xls
