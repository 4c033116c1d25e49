#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <functional>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/sheet_picture.h"

namespace picture_test {

using namespace spreadsheet;

// A one-sheet workbook and helpers to fill it cell by cell.
class SheetFixture : public ::testing::Test {
 protected:
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");

  StyleId styled(const std::function<void(Style&)>& edit) {
    Style s = book.styles().get(0);
    edit(s);
    return book.styles().intern(s);
  }
  Cell& put(const std::string& a1, CellValue v, StyleId style = 0) {
    Cell& c = sheet.cell(parseA1Range(a1).first);
    c.value = std::move(v);
    c.style = style;
    return c;
  }
  void setStyle(const std::string& a1, StyleId style) {
    sheet.cell(parseA1Range(a1).first).style = style;
  }
  void columnWidth(int column, double w) { sheet.line(Axis::Columns, column).size = w; }
  void rowHeight(int row, double h) { sheet.line(Axis::Rows, row).size = h; }
  // A push button in points, its text in Arial 8.
  void addButton(double left, double top, double width, double height, std::string text) {
    Button b;
    b.id = static_cast<int>(sheet.buttons().size()) + 1;
    b.left = left;
    b.top = top;
    b.width = width;
    b.height = height;
    b.text = std::move(text);
    b.runs = {FontRun{0, "Arial", 8}};
    sheet.buttons().push_back(b);
  }

  // Pixel rectangle of `a1` (a cell or a range) in a picture of `range`.
  QRect cellRect(const std::string& range, const std::string& a1) const {
    const CellRange r = parseA1Range(range), c = parseA1Range(a1);
    int x = 0, y = 0, w = 0, h = 0;
    for (int col = r.first.column; col < c.first.column; ++col) x += width(col);
    for (int row = r.first.row; row < c.first.row; ++row) y += height(row);
    for (int col = c.first.column; col <= c.last.column; ++col) w += width(col);
    for (int row = c.first.row; row <= c.last.row; ++row) h += height(row);
    return QRect(x, y, w, h);
  }
  QImage render(const std::string& range) const {
    return picture::renderRange(sheet, parseA1Range(range));
  }

 private:
  int width(int col) const { return picture::columnPixels(sheet.columnWidth(col)); }
  int height(int row) const { return picture::rowPixels(sheet.rowHeight(row)); }
};

// Pixels of `image` inside `area` (all of it when empty) for which `test` holds.
inline int countPixels(const QImage& image, const std::function<bool(QRgb)>& test,
                       QRect area = {}) {
  if (area.isNull()) area = image.rect();
  area = area.intersected(image.rect());
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
  return n;
}

// Bounding box of the dark (text) pixels inside `area`.
inline QRect inkBox(const QImage& image, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  area = area.intersected(image.rect());
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

inline QRgb rgbOf(Rgb c) {
  return qRgb(red(c), green(c), blue(c));
}

}  // namespace picture_test
