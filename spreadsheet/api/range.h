#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/value.h"

namespace spreadsheet::picture {
class PictureSource;
}  // namespace spreadsheet::picture

namespace spreadsheet {
class Worksheet;
struct FontRun;
}  // namespace spreadsheet

namespace spreadsheet::api {

class Application;
class Font;
class Border;
class Borders;
class Interior;
class Validation;
class Worksheet;

// A range of cells on one worksheet: one or more rectangular areas. A cheap
// value; it names cells and holds nothing of their content. Formatting
// members apply area by area. Rows() and Columns() give the same cells seen
// as a collection of rows or columns, which changes Count() and Item().
class Range {
 public:
  enum class View { Cells, Rows, Columns };

  Range(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet,
        std::vector<CellRange> areas, View view = View::Cells);

  // Selection. A single cell inside a merged area selects the whole area.
  void Select();

  // Contents. Text starting with '=' is a formula; other text is taken as if
  // typed (numbers, dates, times, TRUE/FALSE); "" clears. A CellValue is
  // stored as it is. Setters fill every cell of the range.
  CellValue Value() const;  // the top-left cell, recalculated
  void setValue(const CellValue& v);
  void setValue(const std::string& typed);  // '=' formulas in A1 notation
  void setValue(const char* typed) { setValue(std::string(typed)); }
  std::string FormulaR1C1() const;  // the top-left cell's formula, or its value as text
  void setFormulaR1C1(const std::string& typed);
  std::string Formula() const;  // A1 notation
  void setFormula(const std::string& typed);
  std::string Text() const;  // the top-left cell as its number format shows it
  bool HasFormula() const;   // whether the top-left cell holds a formula

  // Formats.
  std::string NumberFormat() const;
  void setNumberFormat(const std::string& code);
  int HorizontalAlignment() const;
  void setHorizontalAlignment(int alignment);
  int VerticalAlignment() const;
  void setVerticalAlignment(int alignment);
  bool WrapText() const;
  void setWrapText(bool wrap);
  // Cell protection: in force once the sheet is protected.
  bool Locked() const;
  void setLocked(bool locked);
  bool FormulaHidden() const;
  void setFormulaHidden(bool hidden);
  api::Font Font() const;
  api::Border Borders(int index) const;
  api::Borders Borders() const;
  api::Interior Interior() const;
  api::Validation Validation() const;

  // Heights and widths of the rows and columns the range spans.
  double RowHeight() const;
  void setRowHeight(double points);
  double ColumnWidth() const;
  void setColumnWidth(double characters);

  // Editing. Shift is one of xl::ShiftToLeft, ShiftToRight, ShiftDown,
  // ShiftUp; whole rows and whole columns ignore it. Insert after Copy
  // inserts the copied cells.
  void Merge();
  void UnMerge();
  bool MergeCells() const;  // whether the top-left cell lies in a merged area
  void Insert(int shift = 0);
  void Delete(int shift = 0);
  void Copy();
  void Clear();
  void ClearContents();
  void CopyPicture();
  // The picture CopyPicture would copy, drawn part by part when asked; it
  // keeps the workbook alive after Close. Refuses as CopyPicture does.
  std::shared_ptr<const picture::PictureSource> PictureSource() const;

  // Shape.
  Range Rows() const;
  Range Columns() const;
  Range Cells() const;
  Range Item(int index) const;            // 1-based over cells, rows or columns (see View)
  Range Item(int row, int column) const;  // relative to the top-left cell, 1-based
  Range Areas(int index) const;
  int AreasCount() const { return static_cast<int>(areas_.size()); }
  long long Count() const;
  int Row() const;
  int Column() const;
  std::string Address() const;  // "$A$1:$B$2", areas separated by commas
  Range MergeArea() const;      // the merged area of the top-left cell, or that cell
  // The cells of the range holding typed values (xl::CellTypeConstants) or
  // formulas (xl::CellTypeFormulas) whose values are of the kinds `values`
  // names (xl::Numbers | TextValues | Logical | Errors); "No cells were
  // found." when there are none. Formulas are judged by their last result.
  Range SpecialCells(int type, int values = 23) const;
  api::Worksheet Worksheet() const;

  // For the engine's other layers and tests.
  const std::vector<CellRange>& areas() const { return areas_; }
  spreadsheet::Worksheet& sheet() const;
  Application& application() const;
  View view() const { return view_; }

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_;
  std::vector<CellRange> areas_;
  View view_ = View::Cells;
};

// Font of a range's cells, or of characters of a button's text.
class Font {
 public:
  explicit Font(Range range);
  Font(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet, int buttonId, int start,
       int length);

  std::string Name() const;
  void setName(const std::string& name);
  double Size() const;
  void setSize(double points);
  bool Bold() const;
  void setBold(bool bold);
  bool Italic() const;
  void setItalic(bool italic);
  int Underline() const;
  void setUnderline(int underline);
  int ColorIndex() const;
  void setColorIndex(int index);  // 1..56 or xl::ColorAutomatic
  // "Regular" (and "General", "Normal"), "Bold", "Italic", "Bold Italic".
  std::string FontStyle() const;
  void setFontStyle(const std::string& style);

 private:
  spreadsheet::FontRun current() const;  // the font of the first cell or character

  std::optional<Range> range_;
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_ = nullptr;
  int buttonId_ = 0;
  int start_ = 1;
  int length_ = -1;
};

// One edge, inside line or diagonal of a range (index xl::DiagonalDown ..
// xl::InsideHorizontal). Setting an edge also shows on the touching edge of
// the neighbouring cell.
class Border {
 public:
  Border(Range range, int index);
  int LineStyle() const;
  void setLineStyle(int style);
  int Weight() const;
  void setWeight(int weight);  // on an edge with no line this makes a continuous line
  int ColorIndex() const;
  void setColorIndex(int index);

 private:
  Range range_;
  int index_;
};

// Every edge and inside line of a range at once.
class Borders {
 public:
  explicit Borders(Range range);
  api::Border Item(int index) const;
  void setLineStyle(int style);
  void setWeight(int weight);
  void setColorIndex(int index);

 private:
  Range range_;
};

class Interior {
 public:
  explicit Interior(Range range);
  int ColorIndex() const;         // xl::ColorNone when there is no fill
  void setColorIndex(int index);  // 1..56, xl::ColorNone or xl::ColorAutomatic (no fill)

 private:
  Range range_;
};

// Data validation of a range. Properties act on the rule that covers the
// range's top-left cell; setting one when there is none is an error.
class Validation {
 public:
  explicit Validation(Range range);
  void Delete();
  // formula1/formula2: "=..." in A1 notation relative to the top-left cell,
  // or for a list a comma-separated literal.
  void Add(int type, int alertStyle = 1, int op = 1, const std::string& formula1 = "",
           const std::string& formula2 = "");
  int Type() const;
  std::string Formula1() const;
  bool IgnoreBlank() const;
  void setIgnoreBlank(bool v);
  bool InCellDropdown() const;
  void setInCellDropdown(bool v);
  std::string InputTitle() const;
  void setInputTitle(const std::string& v);
  std::string InputMessage() const;
  void setInputMessage(const std::string& v);
  std::string ErrorTitle() const;
  void setErrorTitle(const std::string& v);
  std::string ErrorMessage() const;
  void setErrorMessage(const std::string& v);
  bool ShowInput() const;
  void setShowInput(bool v);
  bool ShowError() const;
  void setShowError(bool v);

 private:
  Range range_;
};

}  // namespace spreadsheet::api
