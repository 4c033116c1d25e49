#include <gtest/gtest.h>

#include "spreadsheet/edit/borders.h"
#include "spreadsheet/edit/cells.h"
#include "spreadsheet/edit/clipboard.h"
#include "spreadsheet/edit/format.h"
#include "spreadsheet/edit/shift.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet {
namespace {

using edit::Shift;

CellRange area(const char* a1) {
  return parseA1Range(a1);
}
CellAddress at(const char* a1) {
  return parseA1Range(a1).first;
}

class EditTest : public ::testing::Test {
 protected:
  EditTest() : sheet(book.addSheet("TimeSheet")) {}

  void put(const char* cell, CellValue v) { sheet.cell(at(cell)).value = std::move(v); }
  void putFormula(const char* cell, const char* r1c1) {
    sheet.cell(at(cell)).formula = formula::parse(r1c1, formula::Notation::R1C1, at(cell));
  }
  std::string formulaAt(const char* cell) const {
    const Cell* c = sheet.find(at(cell));
    return c && c->formula ? formula::print(*c->formula, formula::Notation::R1C1, at(cell)) : "";
  }
  CellValue valueAt(const char* cell) const {
    const Cell* c = sheet.find(at(cell));
    return c ? c->value : CellValue();
  }
  const Style& styleOf(const char* cell) const { return sheet.effectiveStyle(at(cell)); }
  void fill(const char* range, int color) {
    edit::applyFormat(sheet, area(range), [&](Style& s) { s.fillColorIndex = color; });
  }

  Workbook book;
  Worksheet& sheet;
};

// A fingerprint of everything an edit may change, to prove a refused edit changed nothing.
std::string dump(const Worksheet& s) {
  std::string out;
  for (const auto& [a, c] : s.cells())
    out += toA1(a) + "=" + c.value.toText() + (c.formula ? "f" : "") + "#" +
           std::to_string(c.style) + ";";
  for (const CellRange& m : s.mergedAreas()) out += "m" + toA1(m) + ";";
  for (const Validation& v : s.validations())
    for (const CellRange& r : v.ranges) out += "v" + toA1(r) + ";";
  for (const auto& [i, info] : s.lines(Axis::Rows)) out += "r" + std::to_string(i) + ";";
  return out;
}

TEST_F(EditTest, MergedAreasAndValidationsMoveWithTheirCells) {
  put("E9", "Sunday");
  sheet.mergedAreas().push_back(area("E9:F9"));
  sheet.mergedAreas().push_back(area("G9:H9"));
  Validation v;
  v.ranges = {area("G11:G12")};
  sheet.validations().push_back(v);

  edit::deleteCells(sheet, area("E7:F23"), Shift::Left);
  EXPECT_EQ(sheet.mergedAreas(), (std::vector<CellRange>{area("E9:F9")}));
  EXPECT_TRUE(valueAt("E9").isEmpty());
  ASSERT_EQ(sheet.validations().size(), 1u);
  EXPECT_EQ(sheet.validations()[0].ranges, (std::vector<CellRange>{area("E11:E12")}));

  edit::insertCells(sheet, area("E7:F23"), Shift::Right);
  EXPECT_EQ(sheet.mergedAreas(), (std::vector<CellRange>{area("G9:H9")}));
}

TEST_F(EditTest, EditsThatWouldSplitAMergedAreaAreRefusedWhole) {
  put("C11", "Start");
  putFormula("F12", "=RC[-1]");
  sheet.mergedAreas().push_back(area("C11:D11"));
  sheet.mergedAreas().push_back(area("E9:F9"));
  sheet.mergedAreas().push_back(area("C15:D16"));
  const std::string before = dump(sheet);
  EXPECT_THROW(edit::insertCells(sheet, area("D7:D23"), Shift::Right), Error);  // through C11:D11
  EXPECT_THROW(edit::deleteCells(sheet, area("F7:G23"), Shift::Left), Error);   // half of E9:F9
  EXPECT_THROW(edit::insertCells(sheet, area("E9"), Shift::Down), Error);  // E9 would move, F9 not
  EXPECT_THROW(edit::insertCells(sheet, area("C16:D16"), Shift::Down),
               Error);  // cuts C15:D16 in two
  EXPECT_THROW(edit::deleteCells(sheet, area("C16:D17"), Shift::Up),
               Error);  // half of C15:D16 goes
  EXPECT_EQ(dump(sheet), before);
}

TEST_F(EditTest, CellsThatWouldFallOffTheSheetAreRefused) {
  sheet.cell({5, kMaxColumns - 1}).value = 1;
  const std::string before = dump(sheet);
  EXPECT_THROW(edit::insertCells(sheet, area("C5:D5"), Shift::Right), Error);
  EXPECT_EQ(dump(sheet), before);
  edit::insertCells(sheet, area("C6:D6"), Shift::Right);  // another row: nothing falls off
  edit::insertCells(sheet, area("C5:C5"), Shift::Right);  // one column still fits
  EXPECT_EQ(sheet.find({5, kMaxColumns})->value, CellValue(1));
}

TEST_F(EditTest, InsertedCellsTakeTheNeighbourFormatAndLinesKeepTheirSize) {
  fill("D11:D12", 55);
  sheet.line(Axis::Columns, 5).size = 7;
  sheet.line(Axis::Rows, 12).size = 32;
  edit::insertCells(sheet, area("E11:E12"), Shift::Right);
  EXPECT_EQ(styleOf("E11").fillColorIndex, 55);
  EXPECT_EQ(sheet.columnWidth(5), 7);  // widths stay with their columns
  edit::insertCells(sheet, area("D13:E13"), Shift::Down);
  EXPECT_EQ(styleOf("D13").fillColorIndex, 55);  // from D12 above
  EXPECT_EQ(styleOf("D14").fillColorIndex, xl::ColorNone);
  EXPECT_EQ(sheet.rowHeight(12), 32);
}

TEST_F(EditTest, WholeRowInsertMovesHeightsAndFormulas) {
  sheet.line(Axis::Rows, 11).size = 32;
  sheet.line(Axis::Rows, 13).size = 12;
  putFormula("E16", "=SUM(R[-5]C:R[-4]C)");
  edit::insertCells(sheet, area("11:12"), Shift::Down);
  EXPECT_EQ(sheet.rowHeight(15), 12);
  EXPECT_EQ(sheet.rowHeight(13), 32);
  EXPECT_EQ(formulaAt("E18"), "=SUM(R[-5]C:R[-4]C)");
  edit::deleteCells(sheet, area("11:12"), Shift::Up);
  EXPECT_EQ(sheet.rowHeight(13), 12);
  EXPECT_EQ(formulaAt("E16"), "=SUM(R[-5]C:R[-4]C)");
}

// Row formats beyond a whole-row edit follow their rows; those pushed past
// the last row go, and inserted rows take the format of the row above.
TEST_F(EditTest, RowFormatsFollowWholeRowEditsToTheEndOfTheSheet) {
  auto heights = [&] {
    std::string out;
    for (const auto& [row, info] : sheet.lines(Axis::Rows))
      out += std::to_string(row) + ":" + std::to_string(static_cast<int>(*info.size)) + " ";
    return out;
  };
  for (auto [row, size] :
       {std::pair{2, 20}, {4, 40}, {5, 50}, {9, 90}, {kMaxRows - 1, 11}, {kMaxRows, 12}})
    sheet.line(Axis::Rows, row).size = size;
  edit::insertCells(sheet, area("5:6"), Shift::Down);
  EXPECT_EQ(heights(), "2:20 4:40 5:40 6:40 7:50 11:90 ");
  edit::deleteCells(sheet, area("4:6"), Shift::Up);
  EXPECT_EQ(heights(), "2:20 4:50 8:90 ");
  sheet.line(Axis::Rows, kMaxRows - 2).size = 7;
  edit::insertCells(sheet, area("1:1"), Shift::Down);  // nothing above row 1 to copy
  EXPECT_EQ(heights(), "3:20 5:50 9:90 1048575:7 ");
}

// Rows are renumbered on whole-row edits; each cell must land where a
// cell-by-cell move would put it, at both ends of the sheet.
TEST_F(EditTest, WholeRowEditsMoveEveryCellOnce) {
  put("A1", 1.0);
  put("B11", 2.0);
  put("C12", 3.0);
  put("D14", 4.0);
  sheet.cell({kMaxRows, 2}).style = 7;  // formatted but blank: may fall off
  sheet.cell({kMaxRows - 3, 5}).value = 5.0;
  edit::insertCells(sheet, area("11:12"), Shift::Down);
  EXPECT_EQ(dump(sheet), "A1=1#0;B13=2#0;C14=3#0;D16=4#0;E1048575=5#0;");
  EXPECT_THROW(edit::insertCells(sheet, area("2:3"), Shift::Down), Error);  // E1048575 would go
  edit::deleteCells(sheet, area("12:14"), Shift::Up);
  EXPECT_EQ(dump(sheet), "A1=1#0;D13=4#0;E1048572=5#0;");
  edit::deleteCells(sheet, area("1:1"), Shift::Up);
  put("C5", 6.0);
  edit::insertCells(sheet, area("B5:C6"), Shift::Down);  // a band of columns: D stays
  EXPECT_EQ(dump(sheet), "C7=6#0;D12=4#0;E1048571=5#0;");
}

TEST_F(EditTest, WholeColumnsMoveWidthsAndFormatsButCellInsertsDoNot) {
  sheet.line(Axis::Columns, 3).size = 20;
  edit::applyFormat(sheet, area("C:C"), [](Style& s) { s.font.bold = true; });
  putFormula("A1", "=SUM(R1C3:R5C3)");
  edit::insertCells(sheet, area("B:B"), Shift::Right);
  EXPECT_EQ(sheet.columnWidth(4), 20);
  EXPECT_TRUE(styleOf("D100").font.bold);
  EXPECT_EQ(formulaAt("A1"), "=SUM(R1C4:R5C4)");
  edit::insertCells(sheet, area("A1:A1048576"), Shift::Right);  // the same as a whole column
  EXPECT_EQ(sheet.columnWidth(5), 20);
  edit::deleteCells(sheet, area("A:C"), Shift::Left);
  EXPECT_EQ(sheet.columnWidth(2), 20);
  EXPECT_EQ(formulaAt("A1"), "");  // the formula cell itself was deleted
}

TEST_F(EditTest, SettingAnEdgeShowsOnTheNeighbour) {
  edit::applyBorder(sheet, area("A1"), xl::EdgeRight, {std::nullopt, xl::Thin, 16});
  EXPECT_EQ(edit::borderOf(sheet, area("B1"), xl::EdgeLeft).lineStyle, xl::Continuous);
  EXPECT_EQ(styleOf("B1").borders[kLeft].colorIndex, 16);

  edit::applyBorder(sheet, area("R8:S22"), xl::InsideVertical,
                    {std::nullopt, xl::Thin, std::nullopt});
  EXPECT_TRUE(styleOf("R15").borders[kRight].visible());
  EXPECT_TRUE(styleOf("S15").borders[kLeft].visible());
  edit::applyBorder(sheet, area("R8:S22"), xl::InsideVertical,
                    {xl::LineNone, std::nullopt, std::nullopt});
  EXPECT_FALSE(styleOf("R15").borders[kRight].visible());
  EXPECT_FALSE(styleOf("S15").borders[kLeft].visible());

  // Clearing the left edge of B24:J24 also clears the right edge of A24.
  edit::applyBorder(sheet, area("A24"), xl::EdgeRight,
                    {xl::Continuous, std::nullopt, std::nullopt});
  edit::applyBorder(sheet, area("B24:J24"), xl::EdgeLeft,
                    {xl::LineNone, std::nullopt, std::nullopt});
  EXPECT_FALSE(styleOf("A24").borders[kRight].visible());
}

TEST_F(EditTest, WeightOrColourOnAMissingLineMakesItContinuous) {
  const Border b = edit::changedBorder(Border{}, {std::nullopt, xl::Medium, std::nullopt});
  EXPECT_EQ(b.lineStyle, xl::Continuous);
  EXPECT_EQ(b.weight, xl::Medium);
  EXPECT_EQ(edit::changedBorder(b, {xl::LineNone, std::nullopt, std::nullopt}), Border{});
  EXPECT_THROW(edit::applyBorder(sheet, area("A1"), 13, {}), Error);
}

TEST_F(EditTest, FormattingLinesReformatsCellsAlreadyThere) {
  put("A1", "x");
  fill("B2", 52);
  edit::applyFormat(sheet, CellRange::of(1, 1, kMaxRows, kMaxColumns),
                    [](Style& s) { s.fillColorIndex = 2; });
  EXPECT_EQ(styleOf("A1").fillColorIndex, 2);
  EXPECT_EQ(styleOf("B2").fillColorIndex, 2);
  EXPECT_EQ(styleOf("Z99").fillColorIndex, 2);

  edit::applyFormat(sheet, area("D:D"), [](Style& s) { s.horizontalAlignment = xl::Center; });
  edit::applyFormat(sheet, area("4:6"), [](Style& s) { s.font.size = 9; });
  EXPECT_EQ(styleOf("D5").horizontalAlignment, xl::Center);  // the crossing keeps both
  EXPECT_EQ(styleOf("D5").font.size, 9);
  EXPECT_EQ(styleOf("E5").horizontalAlignment, xl::General);
  EXPECT_EQ(styleOf("D7").font.size, 10);
}

TEST_F(EditTest, MergeKeepsTheTopLeftValueAndAbsorbsOverlaps) {
  put("C2", "Company");
  put("D2", "lost");
  edit::mergeCells(sheet, area("C2:K2"));
  EXPECT_EQ(valueAt("C2"), CellValue("Company"));
  EXPECT_TRUE(valueAt("D2").isEmpty());
  edit::mergeCells(sheet, area("C2:K2"));
  EXPECT_EQ(sheet.mergedAreas().size(), 1u);
  edit::mergeCells(sheet, area("K2:M3"));
  EXPECT_EQ(sheet.mergedAreas(), (std::vector<CellRange>{area("C2:M3")}));
  edit::mergeCells(sheet, area("A1"));
  EXPECT_EQ(sheet.mergedAreas().size(), 1u);
}

TEST_F(EditTest, ClearRemovesEverythingInTheRange) {
  put("B2", 5);
  fill("B2", 3);
  sheet.mergedAreas().push_back(area("B2:C2"));
  Validation v;
  v.ranges = {area("A2:D2")};
  sheet.validations().push_back(v);
  edit::clearCells(sheet, area("B2:C2"));
  EXPECT_EQ(sheet.find(at("B2")), nullptr);
  EXPECT_TRUE(sheet.mergedAreas().empty());
  ASSERT_EQ(sheet.validations().size(), 1u);
  EXPECT_EQ(sheet.validations()[0].ranges, (std::vector<CellRange>{area("A2"), area("D2")}));
}

TEST_F(EditTest, CopiedRowsInsertWithHeightsRebasedFormulasAndValidations) {
  sheet.line(Axis::Rows, 11).size = 32;
  sheet.line(Axis::Rows, 12).size = 31;
  put("D11", "2 Start");
  put("E11", 0.25);
  put("E12", 0.5);
  putFormula("F12", "=(RC[-1]-R[-1]C[-1])*24");
  putFormula("E16", "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)");
  sheet.mergedAreas().push_back(area("C11:D11"));
  Validation v;
  v.ranges = {area("E11:E12")};
  v.formula1 = formula::parse("=Time0", formula::Notation::A1, at("E11"));
  sheet.validations().push_back(v);
  book.names().push_back(
      {"Time0", formula::parse("=TimeSheet!R201C29:R295C29", formula::Notation::R1C1, {1, 1}), 0});
  sheet.pageSetup().printArea = area("A1:U26");

  const edit::CopiedCells copied = edit::copyCells(sheet, area("11:12"));
  const CellRange dest = edit::insertCopiedCells(sheet, at("A11"), copied, Shift::Down);
  EXPECT_EQ(dest, area("11:12"));
  EXPECT_EQ(sheet.rowHeight(11), 32);
  EXPECT_EQ(sheet.rowHeight(14), 31);
  EXPECT_EQ(valueAt("D13"), CellValue("2 Start"));
  EXPECT_EQ(valueAt("D11"), CellValue("2 Start"));
  EXPECT_EQ(formulaAt("F12"), "=(RC[-1]-R[-1]C[-1])*24");
  EXPECT_EQ(formulaAt("F14"), "=(RC[-1]-R[-1]C[-1])*24");
  EXPECT_EQ(formulaAt("E18"), "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)");
  EXPECT_EQ(formula::print(book.names()[0].formula, formula::Notation::R1C1, {1, 1}),
            "=TimeSheet!R203C29:R297C29");
  EXPECT_EQ(sheet.pageSetup().printArea, area("A1:U28"));
  EXPECT_EQ(sheet.mergedAreas().size(), 2u);
  EXPECT_TRUE(sheet.mergedAreaAt(at("D11")).has_value());
  EXPECT_TRUE(sheet.mergedAreaAt(at("D13")).has_value());
  ASSERT_EQ(sheet.validations().size(), 1u);  // the copy joined the equal rule
  EXPECT_NE(sheet.validationAt(at("E11")), nullptr);
  EXPECT_NE(sheet.validationAt(at("E14")), nullptr);
}

// A pasted rule joins the equal rule on the sheet, whichever place it has,
// and keeps every range; a rule differing in any part stays apart.
TEST_F(EditTest, PastedValidationJoinsOnlyAnEqualRule) {
  auto rule = [](const char* ranges, const char* list, const char* title) {
    Validation v;
    v.ranges = {area(ranges)};
    v.formula1 = formula::parse(list, formula::Notation::A1, {1, 1});
    v.inputTitle = title;
    return v;
  };
  sheet.validations().push_back(rule("B20:B21", "=Time0", "Break"));
  sheet.validations().push_back(rule("C20:C21", "=LunchTime", "Start"));
  sheet.validations().push_back(rule("E11:E12", "=Time0", "Start"));
  sheet.validations().push_back(rule("F11", "=Time0", "Other"));
  const edit::CopiedCells copied = edit::copyCells(sheet, area("E11:E12"));
  edit::insertCopiedCells(sheet, at("H11"), copied, Shift::Right);
  ASSERT_EQ(sheet.validations().size(), 4u);
  EXPECT_EQ(sheet.validations()[0].ranges, (std::vector<CellRange>{area("B20:B21")}));
  EXPECT_EQ(sheet.validations()[1].ranges, (std::vector<CellRange>{area("C20:C21")}));
  EXPECT_EQ(sheet.validations()[2].ranges,
            (std::vector<CellRange>{area("E11:E12"), area("H11:H12")}));
  EXPECT_EQ(sheet.validations()[3].ranges, (std::vector<CellRange>{area("F11")}));
  EXPECT_EQ(sheet.validations()[2].inputTitle, "Start");
}

TEST_F(EditTest, CopiedBlockInsertedToTheRightGrowsSums) {
  putFormula("E10", "=IF(R4C18=0,\"\",R4C18+0)");
  putFormula("S16", "=SUM(RC[-15]:RC[-2])");
  sheet.mergedAreas().push_back(area("E10:F10"));
  const edit::CopiedCells copied = edit::copyCells(sheet, area("E7:R23"));
  edit::insertCopiedCells(sheet, at("E7"), copied, Shift::Right);
  EXPECT_EQ(formulaAt("AG16"), "=SUM(RC[-29]:RC[-2])");
  EXPECT_EQ(formulaAt("E10"), "=IF(R4C18=0,\"\",R4C18+0)");
  EXPECT_EQ(formulaAt("S10"), "=IF(R4C18=0,\"\",R4C18+0)");
  EXPECT_TRUE(sheet.mergedAreaAt(at("F10")).has_value());
  EXPECT_TRUE(sheet.mergedAreaAt(at("T10")).has_value());
}

}  // namespace
}  // namespace spreadsheet
