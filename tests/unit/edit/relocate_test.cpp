#include "spreadsheet/formula/relocate.h"

#include <gtest/gtest.h>

#include "spreadsheet/edit/shift.h"
#include "spreadsheet/formula/formula.h"

namespace spreadsheet {
namespace {

using edit::Shift;
using formula::Notation;

// One insert or delete, and a formula cell before and after it.
struct ShiftCase {
  const char* name;
  const char* area;  // the cells inserted or deleted
  Shift shift;
  bool insert;
  int times;  // the same operation repeated
  const char* cellBefore;
  const char* formulaBefore;  // R1C1, as written in cellBefore
  const char* cellAfter;
  const char* formulaAfter;
};

CellAddress at(const char* a1) {
  return parseA1Range(a1).first;
}

class ShiftTable : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftTable, ReferencesFollowTheirCells) {
  const ShiftCase& c = GetParam();
  FormulaNode f = formula::parse(c.formulaBefore, Notation::R1C1, at(c.cellBefore));
  CellRange cell = CellRange::of(at(c.cellBefore));
  for (int i = 0; i < c.times; ++i) {
    const formula::CellShift s = edit::cellShiftFor(parseA1Range(c.area), c.shift, c.insert);
    formula::shiftReferences(f, s, "TimeSheet", true);
    cell = formula::shiftArea(cell, s).value();
  }
  EXPECT_EQ(toA1(cell.first), c.cellAfter);
  EXPECT_EQ(formula::print(f, Notation::R1C1, cell.first), c.formulaAfter);
}

const ShiftCase kShiftCases[] = {
    {"DeletedDayShrinksRowSum", "E7:F23", Shift::Left, false, 1, "S16", "=SUM(RC[-15]:RC[-2])",
     "Q16", "=SUM(RC[-13]:RC[-2])"},
    {"InsertedWeekGrowsRowSum", "E7:R23", Shift::Right, true, 1, "S16", "=SUM(RC[-15]:RC[-2])",
     "AG16", "=SUM(RC[-29]:RC[-2])"},
    {"WeekEndingFollowsWeekStart", "N4:N5", Shift::Right, true, 3, "R5",
     "=IF(R4C18=0,\"\",R4C18+6)", "U5", "=IF(R4C21=0,\"\",R4C21+6)"},
    {"DayDateOutsideBandKeepsPlaceButFollowsStart", "N4:N5", Shift::Right, true, 1, "E10",
     "=IF(R4C18=0,\"\",R4C18+0)", "E10", "=IF(R4C19=0,\"\",R4C19+0)"},
    {"DailyTotalKeepsLastShift", "11:12", Shift::Down, true, 1, "E16",
     "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)", "E18",
     "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)"},
    {"DeletedTargetIsRefError", "A5:C5", Shift::Up, false, 1, "E1", "=R5C1+1", "E1", "=#REF!+1"},
    {"WhollyDeletedRangeIsRefError", "A3:A6", Shift::Up, false, 1, "B1", "=SUM(R3C1:R6C1)", "B1",
     "=SUM(#REF!)"},
    {"PartlyDeletedRangeShrinks", "3:4", Shift::Up, false, 1, "B1", "=SUM(R1C1:R10C1)", "B1",
     "=SUM(R1C1:R8C1)"},
    {"DeletingTheFirstRowsKeepsTheRest", "A1:A2", Shift::Up, false, 1, "B20", "=SUM(R1C1:R5C1)",
     "B20", "=SUM(R1C1:R3C1)"},
    {"InsertAtFirstRowMovesRange", "2:2", Shift::Down, true, 1, "C1", "=SUM(R2C1:R5C1)", "C1",
     "=SUM(R3C1:R6C1)"},
    {"InsertJustBelowRangeLeavesIt", "6:6", Shift::Down, true, 1, "C1", "=SUM(R2C1:R5C1)", "C1",
     "=SUM(R2C1:R5C1)"},
    {"InsertInsideRangeGrowsIt", "A4:A5", Shift::Down, true, 1, "C1", "=SUM(R2C1:R5C1)", "C1",
     "=SUM(R2C1:R7C1)"},
    {"RangeReachingOutsideBandIsLeftAlone", "C2:C3", Shift::Right, true, 1, "A1",
     "=SUM(R1C4:R10C4)", "A1", "=SUM(R1C4:R10C4)"},
    {"CellOutsideBandIsLeftAlone", "C2:C3", Shift::Right, true, 1, "A1", "=R4C5", "A1", "=R4C5"},
    {"FormulaCellMovesRelativeTextStays", "A1:A1", Shift::Right, true, 2, "B1", "=RC[1]", "D1",
     "=RC[1]"},
    {"WholeColumnReferenceStaysWhole", "5:5", Shift::Down, true, 1, "B1", "=SUM(C1)", "B1",
     "=SUM(C1)"},
    {"RangeWrittenBottomUpGrowsToo", "A4:A5", Shift::Down, true, 1, "C1", "=SUM(R5C1:R2C1)", "C1",
     "=SUM(R2C1:R7C1)"},
    {"ReferencePushedOffTheSheetIsRefError", "1048575:1048576", Shift::Down, true, 1, "B1",
     "=R1048575C1", "B1", "=#REF!"},
    {"InsertInColumnBandMovesOnlyReferencesInsideIt", "B3:C3", Shift::Down, true, 1, "E1",
     "=R5C2+R5C1+SUM(R5C2:R5C4)+SUM(R5C2:R6C3)", "E1", "=R6C2+R5C1+SUM(R5C2:R5C4)+SUM(R6C2:R7C3)"},
    {"InsertInRowBandMovesColumnsInside", "C2:D3", Shift::Right, true, 1, "A1",
     "=R2C5+R4C5+SUM(R2C3:R3C3)", "A1", "=R2C7+R4C5+SUM(R2C5:R3C5)"},
};

INSTANTIATE_TEST_SUITE_P(Edits, ShiftTable, ::testing::ValuesIn(kShiftCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShiftReferences, OnlyTheShiftedSheetMoves) {
  const formula::CellShift s = edit::cellShiftFor(parseA1Range("11:12"), Shift::Down, true);
  FormulaNode name = formula::parse("=TimeSheet!R201C29:R295C29", Notation::R1C1, {1, 1});
  formula::shiftReferences(name, s, "timesheet", false);
  EXPECT_EQ(formula::print(name, Notation::R1C1, {1, 1}), "=TimeSheet!R203C29:R297C29");

  FormulaNode other = formula::parse("=Other!R201C29+R201C29", Notation::R1C1, {1, 1});
  formula::shiftReferences(other, s, "TimeSheet", false);  // unqualified: a different sheet
  EXPECT_EQ(formula::print(other, Notation::R1C1, {1, 1}), "=Other!R201C29+R201C29");
}

TEST(ShiftArea, InsertPushingAnAreaOffTheSheetLosesIt) {
  const formula::CellShift s = edit::cellShiftFor(CellRange::of(1, 1, 10, 1), Shift::Down, true);
  EXPECT_FALSE(formula::shiftArea(CellRange::of({kMaxRows - 5, 1}), s).has_value());
  EXPECT_EQ(formula::shiftArea(CellRange::of(kMaxRows - 20, 1, kMaxRows, 1), s),
            CellRange::of(kMaxRows - 10, 1, kMaxRows, 1));
}

struct RebaseCase {
  const char* formula;
  const char* from;
  const char* to;
  const char* expected;  // R1C1 at `to`
};

TEST(Rebase, RelativePartsMoveAbsolutePartsStay) {
  const RebaseCase cases[] = {
      {"=RC[-1]-R[-1]C[-1]", "F12", "F30", "=RC[-1]-R[-1]C[-1]"},
      {"=IF(R4C18=0,\"\",R4C18+3)", "K10", "Y10", "=IF(R4C18=0,\"\",R4C18+3)"},
      {"=R4C[2]+R[1]C3", "B2", "D7", "=R4C[2]+R[1]C3"},
      {"=R[-1]C", "A2", "A1", "=#REF!"},
      {"=SUM(R1C1:R[-1]C)", "B5", "B2", "=SUM(R1C1:R[-1]C)"},
  };
  for (const RebaseCase& c : cases) {
    const CellAddress from = at(c.from), to = at(c.to);
    FormulaNode f = formula::parse(c.formula, Notation::R1C1, from);
    formula::rebase(f, to.row - from.row, to.column - from.column);
    EXPECT_EQ(formula::print(f, Notation::R1C1, to), c.expected)
        << c.formula << " " << c.from << "->" << c.to;
  }
}

TEST(RenameSheet, QualifiedReferencesFollowTheName) {
  FormulaNode f = formula::parse("=Sheet1!R1C1+sheet1!R2C2+Other!R3C3", Notation::R1C1, {1, 1});
  formula::renameSheet(f, "SHEET1", "TimeSheet");
  EXPECT_EQ(formula::print(f, Notation::R1C1, {1, 1}), "=TimeSheet!R1C1+TimeSheet!R2C2+Other!R3C3");
  formula::invalidateSheet(f, "Other");
  EXPECT_EQ(formula::print(f, Notation::R1C1, {1, 1}), "=TimeSheet!R1C1+TimeSheet!R2C2+#REF!");
}

}  // namespace
}  // namespace spreadsheet
