#pragma once
#include <compare>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet {

inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

// A cell position, 1-based.
struct CellAddress {
  int row = 1;
  int column = 1;
  auto operator<=>(const CellAddress&) const = default;
};

// A rectangle of cells, corners inclusive and normalised (first <= last).
struct CellRange {
  CellAddress first;
  CellAddress last;

  static CellRange of(CellAddress a) { return {a, a}; }
  static CellRange of(int row1, int col1, int row2, int col2);
  int rowCount() const { return last.row - first.row + 1; }
  int columnCount() const { return last.column - first.column + 1; }
  long long cellCount() const { return static_cast<long long>(rowCount()) * columnCount(); }
  bool contains(CellAddress a) const;
  bool contains(const CellRange& r) const;
  bool intersects(const CellRange& r) const;
  bool isSingleCell() const { return first == last; }
  bool isWholeRows() const { return first.column == 1 && last.column == kMaxColumns; }
  bool isWholeColumns() const { return first.row == 1 && last.row == kMaxRows; }
  bool operator==(const CellRange&) const = default;
};

// Column letters for 1..16,384 ("A", "Z", "AA", "XFD"); Error outside that.
std::string ColumnLetters(int column);
// Column number of letters ("A" -> 1); Error for anything else.
int ColumnNumber(std::string_view letters);

// "B7", "$B$7" with the given absolute flags.
std::string toA1(CellAddress a, bool absoluteRow = false, bool absoluteColumn = false);
// "B7:C9", or "B7" for a single cell; whole rows as "11:12", whole columns as "A:A".
std::string toA1(const CellRange& r);

// An A1 reference text as the application accepts it in Range(...):
// cells, ranges, whole rows "11:12", whole columns "A:A", "$" signs, several
// areas separated by commas, an optional sheet qualifier "Sheet!" or "'My Sheet'!".
struct A1Reference {
  std::string sheet;  // empty when not qualified
  std::vector<CellRange> areas;
};
// Throws Error naming the text when it is not a valid reference.
A1Reference parseA1(std::string_view text);
// A single-area reference; Error when the text has several areas.
CellRange parseA1Range(std::string_view text);

}  // namespace spreadsheet
