#pragma once
#include <QString>
#include <QXmlStreamWriter>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::ods {

// The automatic styles of the content: one cell style per distinct style in
// use ("ce1"...), with its data style ("N1"...), one column style per width
// ("co1"...), one row style per height ("ro1"...). Names are given on first
// use while the table is laid out; write() then emits every style used.
class AutomaticStyles {
 public:
  explicit AutomaticStyles(const Workbook& book) : book_(book) {}

  QString cellStyle(StyleId style);
  QString cellStyle(const Style& style);
  QString columnStyle(int pixels);
  QString rowStyle(double points);

  // The style:font-face declarations of the fonts in use.
  void writeFontFaces(QXmlStreamWriter& xml) const;
  void write(QXmlStreamWriter& xml) const;

 private:
  void writeCellStyle(QXmlStreamWriter& xml, const QString& name, const Style& s) const;

  const Workbook& book_;
  std::vector<std::pair<QString, Style>> cells_;  // in the order named
  std::unordered_map<Style, std::size_t, StyleHash> cellIndex_;
  std::map<std::string, QString> numberFormats_;
  std::map<int, QString> columns_;
  std::map<double, QString> rows_;
};

// A palette colour as "#rrggbb".
QString colorText(const Workbook& book, int colorIndex);

}  // namespace spreadsheet::ods
