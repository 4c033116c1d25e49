#include "spreadsheet/xls/button_layout.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::xls {

namespace {

constexpr int kColumns = 256;
constexpr int kRows = 65536;

// Finds the line holding `position` and the offset into it in 1/`units` of its size.
template <class SizeOf>
std::pair<std::uint16_t, std::uint16_t> locate(double position, int lines, unsigned units,
                                               SizeOf sizeOf) {
  double start = 0;
  position = std::max(0.0, position);
  for (int i = 1; i <= lines; ++i) {
    double size = sizeOf(i);
    if (position < start + size || i == lines) {
      double fraction = size > 0 ? (position - start) / size : 0;
      long offset = std::lround(fraction * units);
      return {static_cast<std::uint16_t>(i - 1),
              static_cast<std::uint16_t>(std::clamp(offset, 0L, long(units - 1)))};
    }
    start += size;
  }
  return {0, 0};
}

template <class SizeOf>
double positionOf(std::uint16_t line, std::uint16_t offset, unsigned units, int lines,
                  SizeOf sizeOf) {
  double start = 0;
  int last = std::min<int>(line, lines - 1);
  for (int i = 1; i <= last; ++i) start += sizeOf(i);
  return start + sizeOf(last + 1) * std::min<unsigned>(offset, units) / units;
}

}  // namespace

double columnPoints(const Worksheet& sheet, int column) {
  auto it = sheet.lines(Axis::Columns).find(column);
  if (it != sheet.lines(Axis::Columns).end() && it->second.hidden) return 0;
  double w = std::clamp(sheet.columnWidth(column), 0.0, 255.0);
  int px = w < 1 ? static_cast<int>(w * 12) : static_cast<int>(w * 7) + 5;
  return px * 0.75;
}

namespace {
double rowPoints(const Worksheet& sheet, int row) {
  auto it = sheet.lines(Axis::Rows).find(row);
  if (it != sheet.lines(Axis::Rows).end() && it->second.hidden) return 0;
  return sheet.rowHeight(row);
}
}  // namespace

ClientAnchor anchorOf(const Worksheet& sheet, double left, double top, double width,
                      double height) {
  auto col = [&](int c) { return columnPoints(sheet, c); };
  auto row = [&](int r) { return rowPoints(sheet, r); };
  ClientAnchor a;
  std::tie(a.col1, a.dx1) = locate(left, kColumns, 1024, col);
  std::tie(a.row1, a.dy1) = locate(top, kRows, 256, row);
  std::tie(a.col2, a.dx2) = locate(left + std::max(0.0, width), kColumns, 1024, col);
  std::tie(a.row2, a.dy2) = locate(top + std::max(0.0, height), kRows, 256, row);
  return a;
}

ShapeBox boxOf(const Worksheet& sheet, const ClientAnchor& a) {
  auto col = [&](int c) { return columnPoints(sheet, c); };
  auto row = [&](int r) { return rowPoints(sheet, r); };
  ShapeBox b;
  b.left = positionOf(a.col1, a.dx1, 1024, kColumns, col);
  b.top = positionOf(a.row1, a.dy1, 256, kRows, row);
  b.width = std::max(0.0, positionOf(a.col2, a.dx2, 1024, kColumns, col) - b.left);
  b.height = std::max(0.0, positionOf(a.row2, a.dy2, 256, kRows, row) - b.top);
  return b;
}

}  // namespace spreadsheet::xls
