// A third-party reader (python xlrd) parses what the writer writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "spreadsheet/xls/workbook_file.h"
#include "test_workbooks.h"

namespace spreadsheet::xls {
namespace {

constexpr const char* kCheck = R"PY(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
assert book.sheet_names() == ['Time Sheet', 'Other Sheet'], book.sheet_names()
s = book.sheet_by_index(0)
assert s.cell_value(0, 0) == 'Time sheet'
assert s.cell_value(2, 0) == 'Entry 0' and s.cell_value(1101, 0) == 'Entry 1099'
assert s.cell_value(2, 1) == 0.25 and s.cell_type(2, 1) == xlrd.XL_CELL_DATE
assert s.cell_value(2, 2) == 1 and s.cell_type(2, 2) == xlrd.XL_CELL_BOOLEAN
assert s.cell_type(2, 3) == xlrd.XL_CELL_ERROR and s.cell_value(2, 3) == 7
assert s.cell_value(3, 1) == 1.25 and s.cell_value(3, 2) == 'yes'
assert s.merged_cells == [(0, 1, 0, 6)], s.merged_cells
assert s.colinfo_map[0].width == 1974 and s.colinfo_map[1].width == 402 and s.colinfo_map[2].width == 2560
assert s.rowinfo_map[0].height == 600 and s.rowinfo_map[1].hidden
xf = book.xf_list[s.cell_xf_index(0, 0)]
font = book.font_list[xf.font_index]
assert font.bold and font.height == 240, (font.bold, font.height)
assert xf.alignment.hor_align == 2 and xf.alignment.text_wrapped == 1
assert book.format_map[book.xf_list[s.cell_xf_index(2, 1)].format_key].format_str == 'h:mm'
names = {(n.name, n.scope): n for n in book.name_obj_list}
assert names[('Print_Area', 0)].result.text == "'Time Sheet'!$A$1:$U$26", names[('Print_Area', 0)].result.text
assert names[('Time0', -1)].result.text == "'Time Sheet'!$A$200:$A$295"
assert book.sheet_by_index(1).cell_value(0, 0) == 'other'
)PY";

TEST(ThirdPartyReader, XlrdParsesCellsMergesWidthsHeightsAndNames) {
  if (std::system("/usr/bin/python3 -c 'import xlrd' 2>/dev/null") != 0)
    GTEST_SKIP() << "python3 xlrd is not installed";
  testing::TempFolder dir;
  auto file = dir.path() / "book.xls";
  auto script = dir.path() / "check.py";
  saveWorkbook(*testing::fullWorkbook(), file.string());
  std::ofstream(script) << kCheck;
  std::string command = "/usr/bin/python3 '" + script.string() + "' '" + file.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace spreadsheet::xls
