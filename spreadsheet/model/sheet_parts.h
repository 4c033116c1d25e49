#pragma once
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/formula_tree.h"

namespace spreadsheet {

// A data validation rule and the cells it covers. Relative references in the
// formulas are taken from the top-left cell of the first range.
struct Validation {
  std::vector<CellRange> ranges;
  int type = xl::ValidateInputOnly;
  int alertStyle = xl::ValidAlertStop;
  int op = xl::Between;
  std::optional<FormulaNode> formula1;
  std::optional<FormulaNode> formula2;
  bool ignoreBlank = true;
  bool inCellDropdown = true;
  bool showInput = true;
  bool showError = true;
  std::string inputTitle;
  std::string errorTitle;
  std::string inputMessage;
  std::string errorMessage;
  bool operator==(const Validation&) const = default;
};

// A run of characters of a button's text that shares one font.
struct FontRun {
  int start = 0;  // 0-based index of the first character
  std::string fontName = "Arial";
  double size = 10;
  bool bold = false;
  bool italic = false;
  int colorIndex = xl::ColorAutomatic;
  bool operator==(const FontRun&) const = default;
};

// A form-control push button; position and size in points.
struct Button {
  int id = 0;  // unique within the sheet, > 0
  std::string name;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::string text;
  std::vector<FontRun> runs;
  std::string onAction;
  bool operator==(const Button&) const = default;
};

// Margins in points.
struct PageSetup {
  std::optional<CellRange> printArea;
  double leftMargin = 54;
  double rightMargin = 54;
  double topMargin = 72;
  double bottomMargin = 72;
  double headerMargin = 36;
  double footerMargin = 36;
  int orientation = xl::Portrait;
  int paperSize = xl::PaperLetter;
  std::optional<int> zoom = 100;  // nullopt: scale by FitToPages
  int fitToPagesWide = 1;
  int fitToPagesTall = 1;
  int printComments = xl::PrintNoComments;
  bool operator==(const PageSetup&) const = default;
};

}  // namespace spreadsheet
