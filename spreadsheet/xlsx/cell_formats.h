#pragma once
#include <xlsxwriter.h>

#include <map>

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::xlsx {

// The library's cell format for each of the workbook's styles, made on first
// use. Formats belong to the library's workbook and die with it.
class CellFormats {
 public:
  CellFormats(lxw_workbook* target, const Workbook& book) : target_(target), book_(book) {}
  lxw_format* formatOf(StyleId style);

 private:
  lxw_workbook* target_;
  const Workbook& book_;
  std::map<StyleId, lxw_format*> made_;
};

}  // namespace spreadsheet::xlsx
