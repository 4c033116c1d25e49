#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/cell_store.h"
#include "spreadsheet/model/formula_tree.h"
#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/model/value.h"

namespace spreadsheet {

class Workbook;

// Height or width and format of a whole row or column.
struct LineInfo {
  std::optional<double> size;  // row height in points / column width in characters
  std::optional<StyleId> style;
  bool hidden = false;
  bool isDefault() const { return !size && !style && !hidden; }
};

enum class Axis { Rows, Columns };

// One worksheet: sparse cells in row-major order, rows and columns with their
// own sizes and formats, merged areas, validations, buttons and page setup.
class Worksheet {
 public:
  Worksheet(Workbook& book, std::string name);
  Worksheet(const Worksheet&) = delete;
  Worksheet& operator=(const Worksheet&) = delete;

  Workbook& workbook() const { return *book_; }
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  const std::string& codeName() const { return codeName_; }
  void setCodeName(std::string n) { codeName_ = std::move(n); }

  // Cells. find() gives nullptr for a cell never stored.
  const Cell* find(CellAddress a) const;
  Cell* find(CellAddress a);
  Cell& cell(CellAddress a);  // creates the cell with the style that the row/column/sheet give it
  void erase(CellAddress a);
  const CellStore& cells() const { return cells_; }
  CellStore& cells() { return cells_; }

  // The style that applies at a cell: its own, else its row's, its column's, the sheet's.
  StyleId styleAt(CellAddress a) const;
  const Style& effectiveStyle(CellAddress a) const;

  // Whole rows and columns (1-based index).
  const std::map<int, LineInfo>& lines(Axis axis) const {
    return axis == Axis::Rows ? rows_ : columns_;
  }
  std::map<int, LineInfo>& lines(Axis axis) { return axis == Axis::Rows ? rows_ : columns_; }
  LineInfo& line(Axis axis, int index) { return lines(axis)[index]; }
  std::optional<StyleId> sheetStyle() const { return sheetStyle_; }
  void setSheetStyle(std::optional<StyleId> s) { sheetStyle_ = s; }

  double rowHeight(int row) const;       // points
  double columnWidth(int column) const;  // characters
  double defaultRowHeight() const { return defaultRowHeight_; }
  void setDefaultRowHeight(double h) { defaultRowHeight_ = h; }
  double defaultColumnWidth() const { return defaultColumnWidth_; }
  void setDefaultColumnWidth(double w) { defaultColumnWidth_ = w; }

  // Merged areas; mergedAreaAt gives the area that holds a cell, if any.
  const std::vector<CellRange>& mergedAreas() const { return merged_; }
  std::vector<CellRange>& mergedAreas() { return merged_; }
  std::optional<CellRange> mergedAreaAt(CellAddress a) const;

  std::vector<Validation>& validations() { return validations_; }
  const std::vector<Validation>& validations() const { return validations_; }
  const Validation* validationAt(CellAddress a) const;

  std::vector<Button>& buttons() { return buttons_; }
  const std::vector<Button>& buttons() const { return buttons_; }

  PageSetup& pageSetup() { return pageSetup_; }
  const PageSetup& pageSetup() const { return pageSetup_; }

  // Protection without a password: the application that opens the file then
  // refuses edits of locked cells. The engine itself keeps writing them.
  bool isProtected() const { return protected_; }
  void setProtected(bool on) { protected_ = on; }

  // Bounding box of the cells holding a value, a formula or a format of their
  // own, and of merged areas; nullopt for an empty sheet.
  std::optional<CellRange> usedRange() const;

 private:
  Workbook* book_;
  std::string name_;
  std::string codeName_;
  CellStore cells_;
  std::map<int, LineInfo> rows_;
  std::map<int, LineInfo> columns_;
  std::optional<StyleId> sheetStyle_;
  double defaultRowHeight_ = 12.75;
  double defaultColumnWidth_ = 8.43;
  std::vector<CellRange> merged_;
  std::vector<Validation> validations_;
  std::vector<Button> buttons_;
  PageSetup pageSetup_;
  bool protected_ = false;
};

}  // namespace spreadsheet
