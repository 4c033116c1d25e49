#pragma once
#include <QRect>
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::picture {

// Fonts in points are laid out at 96 dpi, and pictures say so.
inline constexpr int kDotsPerMeter96Dpi = 3780;

// Pixel positions of the rows and columns of a range, relative to its top-left
// corner. Positions of lines outside the range (for merged areas that reach
// beyond it) are computed on demand.
class PictureGrid {
 public:
  PictureGrid(const Worksheet& sheet, const CellRange& range);

  long long width() const { return colStart_.back(); }
  long long height() const { return rowStart_.back(); }
  const CellRange& range() const { return range_; }

  long long x(int column) const;  // left pixel column of `column`
  long long y(int row) const;     // top pixel row of `row`
  QRect rect(const CellRange& cells) const;
  QRect rect(CellAddress a) const { return rect(CellRange::of(a)); }

  // Rows and columns of the range that take at least one pixel.
  const std::vector<int>& visibleColumns() const { return visibleCols_; }
  const std::vector<int>& visibleRows() const { return visibleRows_; }

 private:
  void buildAxis(Axis axis, int first, int last, std::vector<long long>& start,
                 std::vector<int>& visible);
  long long outside(Axis axis, int index) const;

  const Worksheet* sheet_;
  CellRange range_;
  std::vector<long long> colStart_;  // one per column of the range, then the total
  std::vector<long long> rowStart_;
  std::vector<int> visibleCols_;
  std::vector<int> visibleRows_;
};

// The grid of a range a picture is made of. Throws spreadsheet::Error for a
// bad range, without the graphical application, and for a picture too large to
// hold in memory.
PictureGrid checkedGrid(const Worksheet& sheet, const CellRange& range);

}  // namespace spreadsheet::picture
