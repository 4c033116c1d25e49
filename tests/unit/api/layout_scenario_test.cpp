// Drives the engine the way a sheet layout does: everything through the
// selection, then days removed, weeks copied and shift rows inserted.
#include <gtest/gtest.h>

#include "spreadsheet/api/api.h"

namespace spreadsheet::api {
namespace {

class LayoutScenario : public ::testing::Test {
 protected:
  LayoutScenario() : app(Application::create()), book(app->Workbooks().Add()) {
    app->ActiveSheet().setName("TimeSheet");
  }
  ~LayoutScenario() override { app->Quit(); }

  void writeCell(const std::string& address, const std::string& text, bool merge) {
    app->Range(address).Select();
    app->ActiveCell().setFormulaR1C1(text);
    if (merge) app->Selection().Merge();
  }
  void setEdge(int index, int color) {
    app->Selection().Borders(index).setWeight(xl::Thin);
    app->Selection().Borders(index).setColorIndex(color);
  }
  std::string r1c1(const std::string& cell) { return app->Range(cell).FormulaR1C1(); }
  CellValue value(const std::string& cell) { return app->Range(cell).Value(); }
  bool merged(const std::string& area) {
    const auto& list = app->ActiveSheet().model().mergedAreas();
    return std::find(list.begin(), list.end(), parseA1Range(area)) != list.end();
  }

  // The base geometry: seven days, one week, one shift.
  void baseLayout() {
    app->Rows("11:12").setRowHeight(32);
    app->Rows("14:15").setRowHeight(32);
    app->Range("B8:V22").Select();
    for (int edge : {xl::EdgeLeft, xl::EdgeTop, xl::EdgeBottom, xl::EdgeRight}) setEdge(edge, 16);
    writeCell("R4:S4", "5/29/2005", true);
    writeCell("R5:S5", "=IF(R4C18=0,\"\",R4C18+6)", true);
    writeCell("C11:D11", "Start", true);
    writeCell("C12:D12", "End", true);
    writeCell("C16:D16", "Total", true);
    for (int i = 0; i < 4; ++i) {
      const std::string row = std::to_string(201 + i);
      writeCell("AC" + row, numberToText(0.25 + i * 0.010416666666667), true);
      writeCell("AD" + row, "12:" + std::to_string(5 * (i + 1)) + ":00 AM", true);
    }
    book.Names().Add("Time0", "=" + app->ActiveSheet().Name() + "!R201C29:R295C29");
    book.Names().Add("LunchTime", "=" + app->ActiveSheet().Name() + "!R200C30:R224C30");
    const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                          "Thursday", "Friday", "Saturday"};
    for (int k = 0; k < 7; ++k) {
      const std::string l = ColumnLetters(5 + 2 * k), r = ColumnLetters(6 + 2 * k);
      writeCell(l + "9:" + r + "9", days[k], true);
      writeCell(l + "10:" + r + "10", "=IF(R4C18=0,\"\",R4C18+" + std::to_string(k) + ")", true);
      app->Selection().setNumberFormat("m/d/yyyy");
      for (const char* row : {"11", "12"}) {
        app->Range(l + row).Select();
        app->Selection().setNumberFormat("[$-409]h:mm AM/PM;@");
        Validation v = app->Selection().Validation();
        v.Delete();
        v.Add(xl::ValidateList, xl::ValidAlertStop, xl::Between, "=Time0");
      }
      writeCell(r + "11", "Total", false);
      writeCell(r + "12",
                "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1]"
                ")*24)+24,"
                "(RC[-1]-R[-1]C[-1])*24))",
                false);
      writeCell(l + "16:" + r + "16",
                "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)", true);
    }
    writeCell("S16", "=SUM(RC[-15]:RC[-2])", false);
    app->ActiveSheet().PageSetup().setPrintArea("$A$1:$U$26");
  }

  void removeDay(int position) {
    const std::string l = ColumnLetters(5 + 2 * (position - 1)),
                      r = ColumnLetters(6 + 2 * (position - 1));
    app->Range(l + "7:" + r + "23").Select();
    app->Selection().Delete(xl::ShiftToLeft);
  }

  void replicateWeeks(int days, int weeks) {
    for (int i = 1; i < weeks; ++i) {
      app->Range("E7:" + ColumnLetters(2 * days + 4) + "23").Select();
      app->Selection().Copy();
      app->Selection().Insert(xl::ShiftToRight);
    }
  }

  void replicateShifts(int shifts) {
    for (int j = 1; j < shifts; ++j) {
      writeCell("D11", std::to_string(shifts - j + 1) + " Start", false);
      app->Rows("11:12").Select();
      app->Selection().Copy();
      app->Selection().Insert(xl::ShiftDown);
    }
    if (shifts > 1) writeCell("D11", "1 Start", false);
  }

  std::shared_ptr<Application> app;
  Workbook book;
};

TEST_F(LayoutScenario, FiveDaysTwoWeeksTwoShifts) {
  baseLayout();
  removeDay(1);  // Sunday
  removeDay(6);  // Saturday, now at position 6
  EXPECT_EQ(value("E9"), CellValue("Monday"));
  EXPECT_EQ(value("M9"), CellValue("Friday"));
  EXPECT_EQ(r1c1("O16"), "=SUM(RC[-11]:RC[-1])");  // Saturday's value column went with it
  EXPECT_TRUE(value("O9").isEmpty());

  replicateWeeks(5, 2);
  EXPECT_EQ(value("O9"), CellValue("Monday"));
  EXPECT_TRUE(merged("O9:P9"));
  EXPECT_EQ(r1c1("Y16"), "=SUM(RC[-21]:RC[-1])");
  EXPECT_EQ(r1c1("O10"), "=IF(R4C18=0,\"\",R4C18+1)");
  EXPECT_EQ(app->Range("X10").MergeArea().Address(), "$W$10:$X$10");

  replicateShifts(2);
  EXPECT_EQ(value("C11"), CellValue("1 Start"));
  EXPECT_EQ(value("C12"), CellValue("End"));
  EXPECT_EQ(value("C13"), CellValue("2 Start"));
  EXPECT_EQ(value("C14"), CellValue("End"));
  EXPECT_TRUE(merged("C11:D11"));
  EXPECT_TRUE(merged("C13:D13"));
  EXPECT_EQ(app->Range("A13").RowHeight(), 32);
  EXPECT_EQ(app->Range("A17").RowHeight(), 32);  // the old lunch row moved with its row
  EXPECT_EQ(value("C18"), CellValue("Total"));
  EXPECT_EQ(r1c1("E18"), "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)");
  EXPECT_EQ(r1c1("Y18"), "=SUM(RC[-21]:RC[-1])");
  EXPECT_EQ(book.Names().RefersToR1C1("Time0"), "=TimeSheet!R203C29:R297C29");
  EXPECT_EQ(book.Names().RefersToR1C1("LunchTime"), "=TimeSheet!R202C30:R226C30");
  EXPECT_EQ(value("AC203"), CellValue(0.25));
  EXPECT_EQ(app->ActiveSheet().PageSetup().PrintArea(), "$A$1:$U$28");
  EXPECT_EQ(app->Range("E13").Validation().Formula1(), "=Time0");
  EXPECT_EQ(app->Range("Q14").Validation().Formula1(), "=Time0");

  // Widen the daily totals over both shifts and put times in.
  for (int c = 5; c < 25; c += 2) {
    writeCell(ColumnLetters(c) + "18:" + ColumnLetters(c + 1) + "18",
              "=SUMIF(R[-6]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)", true);
  }
  app->Range("E11").setFormulaR1C1("8:00 AM");
  app->Range("E12").setFormulaR1C1("5:00 PM");
  app->Range("E13").setFormulaR1C1("10:00 PM");
  app->Range("E14").setFormulaR1C1("6:00 AM");
  auto number = [&](const char* cell) {
    return value(cell).isNumber() ? value(cell).number() : -1;
  };
  EXPECT_NEAR(number("F12"), 9, 1e-9);
  EXPECT_NEAR(number("F14"), 8, 1e-9);
  EXPECT_NEAR(number("E18"), 17, 1e-9);
  EXPECT_NEAR(number("Y18"), 17, 1e-9);
  EXPECT_EQ(value("E10"), CellValue(38502));  // Monday after 5/29/2005
  EXPECT_EQ(value("R5"), CellValue(38507));
}

TEST_F(LayoutScenario, SevenDaysWidenTheHeaderAndThreeShifts) {
  baseLayout();
  writeCell("K4:M4", "", true);
  writeCell("O4:P4", "Week starting:", true);
  for (int i = 0; i < 3; ++i) {
    app->Range("N4:N5").Select();
    app->Selection().Insert(xl::ShiftToRight);
  }
  EXPECT_TRUE(merged("U4:V4"));
  EXPECT_TRUE(merged("R4:S4"));  // the label from O4:P4
  EXPECT_EQ(value("U4"), CellValue(38501));
  EXPECT_EQ(r1c1("U5"), "=IF(R4C21=0,\"\",R4C21+6)");
  EXPECT_EQ(r1c1("K10"), "=IF(R4C21=0,\"\",R4C21+3)");
  EXPECT_EQ(value("R4"), CellValue("Week starting:"));

  replicateShifts(3);
  for (int r = 11; r <= 16; r += 2)
    EXPECT_EQ(value("C" + std::to_string(r)), CellValue(std::to_string((r - 9) / 2) + " Start"));
  EXPECT_EQ(r1c1("E20"), "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)");
  EXPECT_EQ(r1c1("S20"), "=SUM(RC[-15]:RC[-2])");
  EXPECT_EQ(book.Names().RefersToR1C1("Time0"), "=TimeSheet!R205C29:R299C29");
  EXPECT_EQ(book.Names().RefersToR1C1("LunchTime"), "=TimeSheet!R204C30:R228C30");
  EXPECT_EQ(app->ActiveSheet().PageSetup().PrintArea(), "$A$1:$U$30");
}

TEST_F(LayoutScenario, EditsThatSplitAMergedAreaChangeNothing) {
  baseLayout();
  const std::string before = r1c1("S16");
  app->Range("F7:G23").Select();
  EXPECT_THROW(app->Selection().Delete(xl::ShiftToLeft), Error);
  EXPECT_EQ(r1c1("S16"), before);
  EXPECT_EQ(value("E9"), CellValue("Sunday"));
  EXPECT_TRUE(merged("E9:F9"));
}

}  // namespace
}  // namespace spreadsheet::api
