#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "spreadsheet/model/constants.h"

namespace spreadsheet {

struct Font {
  std::string name = "Arial";
  double size = 10;
  bool bold = false;
  bool italic = false;
  int underline = xl::UnderlineNone;
  int colorIndex = xl::ColorAutomatic;
  bool operator==(const Font&) const = default;
};

struct Border {
  int lineStyle = xl::LineNone;
  int weight = xl::Thin;
  int colorIndex = xl::ColorAutomatic;
  bool visible() const { return lineStyle != xl::LineNone; }
  bool operator==(const Border&) const = default;
};

// Slots of Style::borders, in the order of the Borders(index) constants 5..10.
enum BorderSlot : int {
  kDiagonalDown = 0,
  kDiagonalUp = 1,
  kLeft = 2,
  kTop = 3,
  kBottom = 4,
  kRight = 5,
};
inline int borderSlot(int borderIndex) {
  return borderIndex - xl::DiagonalDown;
}

// Everything a cell, row, column or the sheet can carry as format.
struct Style {
  Font font;
  int fillColorIndex = xl::ColorNone;  // 1..56, or none
  std::array<Border, 6> borders{};
  int horizontalAlignment = xl::General;
  int verticalAlignment = xl::Bottom;
  bool wrapText = false;
  std::string numberFormat = "General";
  // Cell protection, in force only while the sheet is protected: a locked
  // cell refuses edits, a hidden one does not show its formula.
  bool locked = true;
  bool hidden = false;
  bool operator==(const Style&) const = default;
};

struct StyleHash {
  std::size_t operator()(const Style& s) const;
};

using StyleId = std::uint32_t;

// Interned styles of a workbook: equal styles share one id; id 0 is the
// workbook's default style (its default font, no other format).
class StylePool {
 public:
  explicit StylePool(const Font& defaultFont = Font{});
  StyleId intern(const Style& s);
  const Style& get(StyleId id) const { return styles_.at(id); }
  std::size_t size() const { return styles_.size(); }
  // Replaces the default style's font (the workbook's default font).
  void setDefaultFont(const Font& f);

 private:
  std::vector<Style> styles_;
  std::unordered_map<Style, StyleId, StyleHash> ids_;
};

}  // namespace spreadsheet
