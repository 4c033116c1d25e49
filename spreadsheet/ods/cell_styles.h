#pragma once
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/xml_writer.h"

namespace spreadsheet::ods {

// The automatic styles of the content: one cell style per distinct style in
// use ("ce1"...), with its data style ("N1"...), one column style per width
// ("co1"...), one row style per height ("ro1"...). Names are given on first
// use while the table is laid out; write() then emits every style used.
class AutomaticStyles {
 public:
  explicit AutomaticStyles(const Workbook& book) : book_(book) {}

  std::string cellStyle(StyleId style);
  std::string cellStyle(const Style& style);
  std::string columnStyle(int pixels);
  std::string rowStyle(double points);

  // The style:font-face declarations of the fonts in use.
  void writeFontFaces(XmlWriter& xml) const;
  void write(XmlWriter& xml) const;

 private:
  void writeCellStyle(XmlWriter& xml, const std::string& name, const Style& s) const;

  const Workbook& book_;
  std::vector<std::pair<std::string, Style>> cells_;  // in the order named
  std::unordered_map<Style, std::size_t, StyleHash> cellIndex_;
  std::map<std::string, std::string> numberFormats_;
  std::map<int, std::string> columns_;
  std::map<double, std::string> rows_;
};

// A palette colour as "#rrggbb".
std::string colorText(const Workbook& book, int colorIndex);

}  // namespace spreadsheet::ods
