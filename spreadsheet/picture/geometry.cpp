#include <algorithm>

#include "spreadsheet/model/units.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/sheet_picture.h"

namespace spreadsheet::picture {

int columnPixels(double widthInCharacters) {
  return ColumnWidthPixels(widthInCharacters);
}

int rowPixels(double heightInPoints) {
  return std::max(0, PointsToPixels(heightInPoints));
}

PictureGrid::PictureGrid(const Worksheet& sheet, const CellRange& range)
    : sheet_(&sheet), range_(range) {
  buildAxis(Axis::Columns, range.first.column, range.last.column, colStart_, visibleCols_);
  buildAxis(Axis::Rows, range.first.row, range.last.row, rowStart_, visibleRows_);
}

void PictureGrid::buildAxis(Axis axis, int first, int last, std::vector<long long>& start,
                            std::vector<int>& visible) {
  start.reserve(static_cast<std::size_t>(last - first + 2));
  long long pos = 0;
  for (int i = first; i <= last; ++i) {
    start.push_back(pos);
    const int px = LinePixels(*sheet_, axis, i);
    if (px > 0) visible.push_back(i);
    pos += px;
  }
  start.push_back(pos);
}

long long PictureGrid::outside(Axis axis, int index) const {
  const int first = axis == Axis::Rows ? range_.first.row : range_.first.column;
  const auto& start = axis == Axis::Rows ? rowStart_ : colStart_;
  if (index < first) {
    long long pos = 0;
    for (int i = index; i < first; ++i) pos -= LinePixels(*sheet_, axis, i);
    return pos;
  }
  long long pos = start.back();
  const int last = first + static_cast<int>(start.size()) - 2;
  for (int i = last + 1; i < index; ++i) pos += LinePixels(*sheet_, axis, i);
  return pos;
}

long long PictureGrid::x(int column) const {
  const int i = column - range_.first.column;
  if (i >= 0 && i < static_cast<int>(colStart_.size()))
    return colStart_[static_cast<std::size_t>(i)];
  return outside(Axis::Columns, column);
}

long long PictureGrid::y(int row) const {
  const int i = row - range_.first.row;
  if (i >= 0 && i < static_cast<int>(rowStart_.size()))
    return rowStart_[static_cast<std::size_t>(i)];
  return outside(Axis::Rows, row);
}

QRect PictureGrid::rect(const CellRange& cells) const {
  const long long left = x(cells.first.column);
  const long long top = y(cells.first.row);
  return QRect(static_cast<int>(left), static_cast<int>(top),
               static_cast<int>(x(cells.last.column + 1) - left),
               static_cast<int>(y(cells.last.row + 1) - top));
}

}  // namespace spreadsheet::picture
