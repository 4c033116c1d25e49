#include <gtest/gtest.h>

#include "spreadsheet/api/api.h"

namespace spreadsheet::api {
namespace {

class RangeTest : public ::testing::Test {
 protected:
  RangeTest() : app(Application::create()), book(app->Workbooks().Add()) {}
  ~RangeTest() override { app->Quit(); }

  const Style& style(const char* cell) {
    return app->ActiveSheet().model().effectiveStyle(parseA1Range(cell).first);
  }

  std::shared_ptr<Application> app;
  Workbook book;
};

TEST_F(RangeTest, SelectingACellOfAMergedAreaSelectsTheArea) {
  app->Range("E9:F9").Merge();
  app->Range("E9").Select();
  EXPECT_EQ(app->Selection().Address(), "$E$9:$F$9");
  EXPECT_EQ(app->ActiveCell().Address(), "$E$9");
  app->Range("F9").Select();
  EXPECT_EQ(app->Selection().Address(), "$E$9:$F$9");
  EXPECT_EQ(app->ActiveCell().Address(), "$E$9");
  app->Range("C11:D12").Select();
  EXPECT_EQ(app->ActiveCell().Address(), "$C$11");
  app->Rows("11:12").Select();
  EXPECT_EQ(app->Selection().Address(), "$11:$12");
  EXPECT_EQ(app->Selection().Rows().Count(), 2);
  EXPECT_EQ(app->ActiveCell().Address(), "$A$11");
}

TEST_F(RangeTest, TypedTextBecomesValuesFormulasOrNothing) {
  app->Range("R4:S4").Select();
  app->ActiveCell().setFormulaR1C1("5/29/2005");
  EXPECT_EQ(app->Range("R4").Value(), CellValue(38501));
  EXPECT_EQ(app->Range("R4").NumberFormat(), "m/d/yyyy");
  EXPECT_TRUE(app->Range("S4").Value().isEmpty());  // only the active cell receives it

  app->Range("R5").setFormulaR1C1("=IF(R4C18=0,\"\",R4C18+6)");
  EXPECT_EQ(app->Range("R5").Value(), CellValue(38507));
  EXPECT_EQ(app->Range("R5").FormulaR1C1(), "=IF(R4C18=0,\"\",R4C18+6)");
  EXPECT_EQ(app->Range("R5").Formula(), "=IF($R$4=0,\"\",$R$4+6)");

  app->Range("R4").setFormulaR1C1("");
  EXPECT_EQ(app->Range("R5").Value(), CellValue(""));  // recalculated before reading

  app->Range("AC201").setFormulaR1C1("0.260416666666667");
  EXPECT_EQ(app->Range("AC201").FormulaR1C1(), "0.260416666666667");
  app->Range("D11").setFormulaR1C1("2 Start");
  EXPECT_EQ(app->Range("D11").Value(), CellValue("2 Start"));
  app->Range("B1").setValue("=A1*2");
  app->Range("A1").setValue(CellValue(4));
  EXPECT_EQ(app->Range("B1").Value(), CellValue(8));
  EXPECT_THROW(app->Range("C1").setFormulaR1C1("=SUM("), Error);
  EXPECT_TRUE(app->Range("C1").Value().isEmpty());
}

TEST_F(RangeTest, SpecialCellsFindTypedValuesOrFormulasByKind) {
  app->Range("B2").setValue("label");
  app->Range("C2").setValue(CellValue(7));
  app->Range("D2").setValue("TRUE");
  app->Range("B3").setValue("=C2*2");
  app->Range("C3").setValue("=\"x\"&B2");
  app->Range("E3").setValue("outside");
  app->Range("B4").NumberFormat();  // a read stores nothing
  app->Range("C4").setNumberFormat("0.00");  // formatted but empty
  app->Range("D4").setValue("=1/0");
  const Range area = app->Range("B2:D4");
  struct Case {
    int type, values;
    const char* found;  // the addresses, or "" when none are found
  };
  const Case cases[] = {
      {xl::CellTypeConstants, xl::TextValues, "$B$2"},
      {xl::CellTypeConstants, xl::Numbers, "$C$2"},
      {xl::CellTypeConstants, xl::Logical, "$D$2"},
      {xl::CellTypeConstants, 23, "$B$2,$C$2,$D$2"},
      {xl::CellTypeFormulas, xl::Numbers, "$B$3"},
      {xl::CellTypeFormulas, xl::TextValues, "$C$3"},
      {xl::CellTypeFormulas, xl::Errors, "$D$4"},
      {xl::CellTypeFormulas, xl::Logical, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.values));
    if (*c.found == '\0') {
      EXPECT_THROW(area.SpecialCells(c.type, c.values), Error);
    } else {
      EXPECT_EQ(area.SpecialCells(c.type, c.values).Address(), c.found);
    }
  }
  EXPECT_THROW(area.SpecialCells(4), Error);  // blanks are not offered
}

TEST_F(RangeTest, TypedLineFeedTurnsWrappingOn) {
  // As the application does when a value holding a line feed is entered.
  app->Range("C15").setFormulaR1C1("Other\nBreaks");
  app->Range("C16").setFormulaR1C1("Other Breaks");
  app->Range("C17").setValue(CellValue("a\nb"));
  app->Range("C18").setFormulaR1C1("=\"a\"&CHAR(10)&\"b\"");  // a formula's result does not
  EXPECT_TRUE(app->Range("C15").WrapText());
  EXPECT_FALSE(app->Range("C16").WrapText());
  EXPECT_TRUE(app->Range("C17").WrapText());
  EXPECT_FALSE(app->Range("C18").WrapText());
  // The rest of the format stays; a cell already wrapping keeps its style.
  app->Range("D15").setNumberFormat("0.00");
  app->Range("D15").setWrapText(true);
  const StyleId before = app->ActiveSheet().model().cell(parseA1Range("D15").first).style;
  app->Range("D15").setFormulaR1C1("x\ny");
  EXPECT_EQ(app->ActiveSheet().model().cell(parseA1Range("D15").first).style, before);
  app->Range("E15").setNumberFormat("0.00");
  app->Range("E15").setFormulaR1C1("x\ny");
  EXPECT_EQ(style("E15").numberFormat, "0.00");
  EXPECT_TRUE(style("E15").wrapText);
}

TEST_F(RangeTest, MultiAreaFormattingGoesAreaByArea) {
  Range r = app->Range("C11:R21,E9:R10,S14:U21");
  EXPECT_EQ(r.AreasCount(), 3);
  r.Borders(xl::EdgeLeft).setWeight(xl::Thin);
  r.Borders(xl::EdgeTop).setWeight(xl::Thin);
  EXPECT_TRUE(style("C15").borders[kLeft].visible());
  EXPECT_TRUE(style("E9").borders[kLeft].visible());
  EXPECT_TRUE(style("S14").borders[kTop].visible());
  EXPECT_TRUE(style("R16").borders[kRight].visible());  // the neighbour of S14:U21's left edge
  EXPECT_FALSE(style("D15").borders[kLeft].visible());
}

TEST_F(RangeTest, FontStylesColoursAndAlignments) {
  app->Range("C2:K2").Select();
  Range sel = app->Selection();
  sel.Font().setFontStyle("Bold");
  sel.Font().setSize(22);
  sel.Font().setColorIndex(xl::ColorAutomatic);
  sel.setHorizontalAlignment(xl::Left);
  sel.Interior().setColorIndex(2);
  EXPECT_EQ(sel.Font().FontStyle(), "Bold");
  EXPECT_TRUE(style("K2").font.bold);
  EXPECT_EQ(style("K2").font.size, 22);
  EXPECT_EQ(style("D2").horizontalAlignment, xl::Left);
  EXPECT_EQ(sel.Interior().ColorIndex(), 2);
  sel.Font().setFontStyle("General");
  EXPECT_EQ(sel.Font().FontStyle(), "Regular");
  sel.Font().setFontStyle("Bold Italic");
  EXPECT_TRUE(style("C2").font.italic);
  EXPECT_THROW(sel.Font().setFontStyle("Heavy"), Error);
  EXPECT_THROW(sel.setHorizontalAlignment(12345), Error);
  EXPECT_THROW(sel.Interior().setColorIndex(57), Error);
}

TEST_F(RangeTest, WholeSheetRowsAndColumnsCarryFormats) {
  app->Range("B3").setValue("x");
  app->Cells().Select();
  app->Selection().Font().setName("Arial");
  app->Selection().Interior().setColorIndex(2);
  EXPECT_EQ(style("B3").fillColorIndex, 2);
  EXPECT_EQ(style("XFD1048576").fillColorIndex, 2);
  app->Rows("28:70").setRowHeight(12.75);
  app->Columns("E:AX").setColumnWidth(7);
  app->Columns("S:S").setColumnWidth(700.0 / 75);
  EXPECT_EQ(app->Range("A28").RowHeight(), 12.75);
  EXPECT_EQ(app->Range("S1").ColumnWidth(), 700.0 / 75);
  EXPECT_EQ(app->Range("AX5").ColumnWidth(), 7);
  EXPECT_EQ(app->Range("AY5").ColumnWidth(), 8.43);
  EXPECT_THROW(app->Rows("1:1").setRowHeight(410), Error);
  app->Cells().Clear();
  EXPECT_EQ(style("B3").fillColorIndex, xl::ColorNone);
  EXPECT_TRUE(app->Range("B3").Value().isEmpty());
}

TEST_F(RangeTest, BordersReadBackFromEitherSide) {
  app->Range("A1").Borders(xl::EdgeRight).setWeight(xl::Thin);
  EXPECT_EQ(app->Range("B1").Borders(xl::EdgeLeft).LineStyle(), xl::Continuous);
  app->Range("B1").Borders(xl::EdgeLeft).setLineStyle(xl::LineNone);
  EXPECT_EQ(app->Range("A1").Borders(xl::EdgeRight).LineStyle(), xl::LineNone);
  app->Range("R8:S22").Borders(xl::InsideVertical).setColorIndex(16);
  EXPECT_EQ(app->Range("R8:S22").Borders(xl::InsideVertical).ColorIndex(), 16);
  app->Range("R8:S22").Borders(xl::InsideVertical).setLineStyle(xl::LineNone);
  EXPECT_EQ(app->Range("S10").Borders(xl::EdgeLeft).LineStyle(), xl::LineNone);
  EXPECT_THROW(app->Range("A1").Borders(4), Error);
}

TEST_F(RangeTest, ValidationIsAddedOnceAndConfigured) {
  app->Range("AC201").setValue(0.25);
  book.Names().Add("Time0", "=Sheet1!R201C29:R295C29");
  Validation v = app->Range("E11").Validation();
  v.Delete();
  v.Add(xl::ValidateList, xl::ValidAlertStop, xl::Between, "=Time0");
  v.setIgnoreBlank(true);
  v.setInCellDropdown(true);
  v.setErrorTitle("Information");
  v.setInputMessage("You must select time from the list on the right.");
  v.setShowInput(false);
  v.setShowError(true);
  EXPECT_EQ(v.Formula1(), "=Time0");
  EXPECT_EQ(v.ErrorTitle(), "Information");
  EXPECT_FALSE(v.ShowInput());
  EXPECT_THROW(v.Add(xl::ValidateList, xl::ValidAlertStop, xl::Between, "=Time0"), Error);
  EXPECT_THROW(app->Range("E12").Validation().setShowError(true), Error);
  v.Delete();
  EXPECT_TRUE(app->ActiveSheet().model().validations().empty());
  EXPECT_EQ(book.Names().RefersToR1C1("time0"), "=Sheet1!R201C29:R295C29");
  EXPECT_THROW(book.Names().Add("1bad", "=R1C1"), Error);
}

TEST_F(RangeTest, ButtonsHaveIdsActionsAndFontRuns) {
  Worksheet sheet = app->ActiveSheet();
  Button first = sheet.Buttons().Add(144, 117.75, 81, 16.5);
  Button second = sheet.Buttons().Add(225, 117.75, 81, 16.5);
  EXPECT_GT(first.Id(), 0);
  EXPECT_NE(first.Id(), second.Id());
  second.setOnAction("'CopyTimes 3'");
  second.setText("Same as Previous");
  Characters chars = second.Characters(1, 16);
  EXPECT_EQ(chars.Text(), "Same as Previous");
  chars.Font().setName("Arial");
  chars.Font().setFontStyle("General");
  chars.Font().setSize(8);
  second.Characters(6, 2).Font().setBold(true);
  const spreadsheet::Button& m = second.model();
  EXPECT_EQ(m.onAction, "'CopyTimes 3'");
  ASSERT_EQ(m.runs.size(), 3u);
  EXPECT_EQ(m.runs[0].size, 8);
  EXPECT_EQ(m.runs[1].start, 5);
  EXPECT_TRUE(m.runs[1].bold);
  EXPECT_EQ(m.runs[2].start, 7);
  EXPECT_FALSE(m.runs[2].bold);
  EXPECT_EQ(sheet.Buttons().Count(), 2);
}

TEST_F(RangeTest, PageSetupAndPrintArea) {
  PageSetup setup = app->ActiveSheet().PageSetup();
  setup.setPrintArea("$A$1:$U$26");
  EXPECT_EQ(setup.PrintArea(), "$A$1:$U$26");
  setup.setLeftMargin(app->InchesToPoints(0.787401575));
  EXPECT_NEAR(setup.LeftMargin(), 56.69, 0.01);
  setup.setZoom(std::nullopt);
  setup.setOrientation(xl::Landscape);
  setup.setPaperSize(xl::PaperA4);
  EXPECT_FALSE(setup.Zoom().has_value());
  app->Rows("11:12").Insert(xl::ShiftDown);
  EXPECT_EQ(setup.PrintArea(), "$A$1:$U$28");
  setup.setPrintArea("");
  EXPECT_EQ(setup.PrintArea(), "");
  EXPECT_THROW(setup.setOrientation(3), Error);
  EXPECT_THROW(setup.setPrintArea("A1:B2,C3"), Error);
}

TEST_F(RangeTest, SheetsRenameDeleteAndUsedRange) {
  Sheets sheets = book.Sheets();
  Worksheet second = sheets.Add();
  EXPECT_EQ(sheets.Count(), 2);
  app->Range("B2").setValue(1);
  book.Names().Add("Cell", "=Sheet2!R2C2");
  second.setName("TimeSheet");
  EXPECT_EQ(book.Names().RefersToR1C1("Cell"), "=TimeSheet!R2C2");
  EXPECT_THROW(sheets.Item(1).setName("timesheet"), Error);
  EXPECT_EQ(second.UsedRange().Address(), "$B$2");
  EXPECT_EQ(sheets.Item(1).UsedRange().Address(), "$A$1");
  sheets.Item(1).Delete();
  EXPECT_EQ(sheets.Count(), 1);
  EXPECT_THROW(sheets.Item(1).Delete(), Error);
  EXPECT_THROW(sheets.Item(2), Error);
}

TEST_F(RangeTest, WritingACellEndsCopyModeSoInsertAddsEmptyCells) {
  app->Range("A1").setValue("copied");
  app->Range("A1").Copy();
  EXPECT_TRUE(app->CutCopyMode());
  app->Range("B1").setValue("typed");
  EXPECT_FALSE(app->CutCopyMode());
  app->Range("A1").Insert(xl::ShiftDown);
  EXPECT_TRUE(app->Range("A1").Value().isEmpty());
  EXPECT_EQ(app->Range("A2").Value(), CellValue("copied"));

  app->Range("A2").Copy();
  app->Range("C5").Insert(xl::ShiftToRight);
  EXPECT_EQ(app->Range("C5").Value(), CellValue("copied"));
  EXPECT_EQ(app->Range("A2").Value(), CellValue("copied"));
  EXPECT_THROW(app->Range("A1,B2").Copy(), Error);
}

}  // namespace
}  // namespace spreadsheet::api
