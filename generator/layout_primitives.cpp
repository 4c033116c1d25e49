#include "generator/layout_primitives.h"

#include "spreadsheet/api/api.h"
#include "spreadsheet/model/address.h"

namespace generator {

std::string ColumnLetters(int column) {
  return spreadsheet::ColumnLetters(column);
}

void SetEdgeBorder(Excel& xl, int index, int colorIndex) {
  auto border = xl.Selection().Borders(index);
  border.setWeight(spreadsheet::xl::Thin);
  border.setColorIndex(colorIndex);
}

void ClearEdgeBorder(Excel& xl, int index) {
  xl.Selection().Borders(index).setLineStyle(spreadsheet::xl::LineNone);
}

void SetRowHeight(Excel& xl, const std::string& rows, double points) {
  xl.Rows(rows).Select();
  xl.Selection().setRowHeight(points);
}

void SetColumnWidth(Excel& xl, const std::string& columns, double characters) {
  xl.Columns(columns).Select();
  xl.Selection().setColumnWidth(characters);
}

void FillInterior(Excel& xl, const std::string& address, int colorIndex) {
  if (!address.empty()) xl.Range(address).Select();
  xl.Selection().Interior().setColorIndex(colorIndex);
}

void WriteCell(Excel& xl, const std::string& address, const std::string& text, bool merge) {
  xl.Range(address).Select();
  xl.ActiveCell().setFormulaR1C1(text);
  if (merge) xl.Selection().Merge();
}

void SetFont(Excel& xl, const std::string& style, double size, int colorIndex) {
  auto font = xl.Selection().Font();
  font.setFontStyle(style);
  font.setSize(size);
  font.setColorIndex(colorIndex);
}

void SetNumberFormat(Excel& xl, const std::string& address, const std::string& format) {
  if (!address.empty()) xl.Range(address).Select();
  xl.Selection().setNumberFormat(format);
}

void AlignSelection(Excel& xl, int horizontal, int vertical) {
  auto selection = xl.Selection();
  if (horizontal != 0) selection.setHorizontalAlignment(horizontal);
  if (vertical != 0) selection.setVerticalAlignment(vertical);
}

void AlignRange(Excel& xl, const std::string& address, int horizontal, int vertical) {
  xl.Range(address).Select();
  AlignSelection(xl, horizontal, vertical);
}

}  // namespace generator
