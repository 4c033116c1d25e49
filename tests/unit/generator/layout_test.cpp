#include <gtest/gtest.h>

#include "generator/generate_workbook.h"
#include "generator/layout_blocks.h"
#include "layout_fixture.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"

namespace generator {
namespace {

using testing::choicesFor;
using testing::kEveryDay;
using testing::kWeekdays;
using testing::LaidOutSheet;
namespace xl = spreadsheet::xl;

constexpr double kTotalWidth = 700.0 / 75.0;

TEST(ColumnLetters, OneAndTwoLetters) {
  EXPECT_EQ(ColumnLetters(5), "E");
  EXPECT_EQ(ColumnLetters(26), "Z");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(50), "AX");
  EXPECT_EQ(ColumnLetters(52), "AZ");
  EXPECT_EQ(ColumnLetters(53), "BA");
}

TEST(DefaultLayout, MondayToFridayWithTotalsInOToQ) {
  LaidOutSheet s(choicesFor(kWeekdays));
  const char* names[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
  const char* columns[] = {"E", "G", "I", "K", "M"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(s.text(std::string(columns[i]) + "9"), names[i]);
    EXPECT_EQ(s.formula(std::string(columns[i]) + "10"),
              "=IF(R4C18=0,\"\",R4C18+" + std::to_string(i + 1) + ")");
  }
  EXPECT_EQ(s.value("E10"), spreadsheet::CellValue(38502.0));  // 5/29/2005 + 1
  EXPECT_EQ(s.format("E10"), "m\\/d\\/yyyy");
  EXPECT_EQ(s.text("O14"), "Total Hours Scheduled");
  EXPECT_EQ(s.text("P14"), "Rate($)");
  EXPECT_EQ(s.text("Q14"), "Total($)");
  EXPECT_EQ(s.formula("Q18"), "=ROUND(RC[-2]*RC[-1],2)");
  EXPECT_EQ(s.format("P18"), "$#,##0.00");
  EXPECT_NEAR(s.app->Range("O1").ColumnWidth(), kTotalWidth, 1e-9);
  EXPECT_EQ(s.printArea(), "$A$1:$U$26");
  EXPECT_EQ(s.value("BC200"), spreadsheet::CellValue(21.0));
  EXPECT_EQ(s.geometry.days(), (std::vector<int>{2, 3, 4, 5, 6}));
  EXPECT_EQ(s.geometry.weeks(), 1);
  EXPECT_EQ(s.geometry.shifts(), 1);
}

TEST(DefaultLayout, FrameReachesColumnS) {
  LaidOutSheet s(choicesFor(kWeekdays));
  EXPECT_EQ(s.app->Range("S15").Borders(xl::EdgeRight).LineStyle(), xl::Continuous);
  EXPECT_EQ(s.app->Range("S15").Borders(xl::EdgeRight).ColorIndex(), 16);
  EXPECT_EQ(s.app->Range("R15").Borders(xl::EdgeRight).LineStyle(), xl::LineNone);
  EXPECT_EQ(s.app->Range("S8").Borders(xl::EdgeTop).LineStyle(), xl::Continuous);
  EXPECT_EQ(s.app->Range("S22").Borders(xl::EdgeBottom).LineStyle(), xl::Continuous);
  EXPECT_EQ(s.app->Range("B15").Borders(xl::EdgeLeft).LineStyle(), xl::Continuous);
}

TEST(DefaultLayout, SkeletonWidthsHeightsFontAndPalette) {
  LaidOutSheet s(choicesFor(kWeekdays));
  EXPECT_NEAR(s.app->Range("A1").ColumnWidth(), 0.92, 1e-9);
  EXPECT_NEAR(s.app->Range("D1").ColumnWidth(), 7.29, 1e-9);
  EXPECT_NEAR(s.app->Range("AX1").ColumnWidth(), 7, 1e-9);
  EXPECT_NEAR(s.app->Range("A1").RowHeight(), 36, 1e-9);
  EXPECT_NEAR(s.app->Range("A24").RowHeight(), 39.75, 1e-9);
  EXPECT_NEAR(s.app->Range("A70").RowHeight(), 12.75, 1e-9);
  EXPECT_EQ(s.app->Range("Z100").Font().Name(), "Arial");
  EXPECT_EQ(s.app->Range("Z100").Interior().ColorIndex(), 2);
  EXPECT_EQ(s.app->ActiveWorkbook().Colors(5), spreadsheet::rgb(104, 150, 206));
  EXPECT_EQ(s.app->Range("E9").Interior().ColorIndex(), 55);
  EXPECT_EQ(s.app->Range("E10").Interior().ColorIndex(), 52);
  EXPECT_EQ(s.app->ActiveCell().Address(), "$E$11");
}

TEST(DefaultLayout, PageSetupIsOneLandscapeA4Page) {
  LaidOutSheet s(choicesFor(kWeekdays));
  auto page = s.app->ActiveSheet().PageSetup();
  EXPECT_EQ(page.Orientation(), xl::Landscape);
  EXPECT_EQ(page.PaperSize(), xl::PaperA4);
  EXPECT_EQ(page.Zoom(), std::nullopt);
  EXPECT_EQ(page.FitToPagesWide(), 1);
  EXPECT_EQ(page.FitToPagesTall(), 1);
  EXPECT_NEAR(page.LeftMargin(), 56.69, 0.01);
  EXPECT_NEAR(page.TopMargin(), 70.87, 0.01);
  EXPECT_NEAR(page.HeaderMargin(), 36, 1e-9);
}

TEST(TimeLists, NamesTextsAndValidation) {
  LaidOutSheet s(choicesFor(kWeekdays));
  EXPECT_EQ(s.name("Time0"), "=TimeSheet!R201C29:R295C29");
  EXPECT_EQ(s.name("LunchTime"), "=TimeSheet!R200C30:R224C30");
  // Exact quarter hours, as minutes over 1440: 6:00 AM, 6:15 AM, midnight, 5:30 AM.
  EXPECT_EQ(s.value("AC201"), spreadsheet::CellValue(0.25));
  EXPECT_EQ(s.value("AC202"), spreadsheet::CellValue(375.0 / 1440));
  EXPECT_EQ(s.value("AC273"), spreadsheet::CellValue(0.0));
  EXPECT_EQ(s.value("AC295"), spreadsheet::CellValue(330.0 / 1440));
  // A typed time is the very number of its list entry (8:00 AM, 5:30 PM).
  s.app->Range("E11").setValue("8:00 AM");
  s.app->Range("E12").setValue("5:30 PM");
  EXPECT_EQ(s.value("E11"), s.value("AC209"));
  EXPECT_EQ(s.value("E12"), s.value("AC247"));
  EXPECT_EQ(s.format("AC201"), "h:mm AM/PM");
  EXPECT_EQ(s.app->Range("AC201").Text(), "6:00 AM");
  EXPECT_EQ(s.app->Range("AC295").Text(), "5:30 AM");
  EXPECT_TRUE(s.value("AD200").isEmpty());
  EXPECT_NEAR(s.value("AD201").number(), 5.0 / 1440, 1e-12);
  EXPECT_NEAR(s.value("AD224").number(), 2.0 / 24, 1e-12);

  auto start = s.app->Range("E11").Validation();
  EXPECT_EQ(start.Type(), xl::ValidateList);
  EXPECT_EQ(start.Formula1(), "=Time0");
  EXPECT_EQ(start.ErrorTitle(), "Information");
  EXPECT_EQ(start.ErrorMessage(), "You must select time from the list on the right.");
  EXPECT_FALSE(start.ShowInput());
  EXPECT_TRUE(start.ShowError());
  EXPECT_EQ(s.format("M12"), "[$-409]h:mm AM/PM;@");
  auto lunch = s.app->Range("M15").Validation();
  EXPECT_EQ(lunch.Formula1(), "=LunchTime");
  EXPECT_EQ(
      lunch.InputMessage(),
      "You must enter time in following format 00:30  (or choose it from the list on the right).");
  EXPECT_EQ(s.format("E14"), "hh:mm");
}

TEST(Values, HoursBreaksAndPayAfterEnteringTimes) {
  LaidOutSheet s(choicesFor(kWeekdays));
  s.type("E11", "8:00 AM");
  s.type("E12", "5:00 PM");
  EXPECT_NEAR(s.value("F12").number(), 9, 1e-9);
  s.type("G11", "10:00 PM");
  s.type("G12", "6:00 AM");
  EXPECT_NEAR(s.value("H12").number(), 8, 1e-9);
  EXPECT_NEAR(s.value("H15").number(), 0, 1e-9);
  s.type("G14", "0:30");
  EXPECT_NEAR(s.value("H15").number(), 0.5, 1e-9);
  EXPECT_NEAR(s.value("G16").number(), 7.5, 1e-9);
  s.type("I14", "0:30");  // no start or end: the lunch still counts
  EXPECT_NEAR(s.value("J12").number(), 0, 1e-9);
  EXPECT_NEAR(s.value("I16").number(), -0.5, 1e-9);
  EXPECT_NEAR(s.value("O16").number(), 9 + 7.5 - 0.5, 1e-9);
  s.type("E18", "8");
  s.type("G18", "8");
  s.type("P18", "20");
  EXPECT_NEAR(s.value("O18").number(), 16, 1e-9);
  EXPECT_NEAR(s.value("Q18").number(), 320, 1e-9);
  EXPECT_EQ(s.app->Range("P18").Text(), "$20.00");
  EXPECT_TRUE(s.formula("O17").empty());
  EXPECT_TRUE(s.formula("Q16").empty());
}

TEST(SevenDays, HeaderWidensAndDatesReferToU4) {
  LaidOutSheet s(choicesFor(kEveryDay));
  EXPECT_EQ(s.text("E9"), "Sunday");
  EXPECT_EQ(s.text("Q9"), "Saturday");
  EXPECT_EQ(s.formula("E10"), "=IF(R4C21=0,\"\",R4C21+0)");
  EXPECT_EQ(s.formula("Q10"), "=IF(R4C21=0,\"\",R4C21+6)");
  EXPECT_EQ(s.text("R4"), "Week starting:");
  EXPECT_EQ(s.value("U4"), spreadsheet::CellValue(38501.0));
  EXPECT_EQ(s.formula("U5"), "=IF(R4C21=0,\"\",R4C21+6)");
  EXPECT_EQ(s.text("P25"), "Manager signature");
  EXPECT_EQ(s.text("U25"), "Date");
  EXPECT_EQ(s.text("I25"), "Date");
  EXPECT_EQ(s.app->Range("V15").Borders(xl::EdgeRight).LineStyle(), xl::Continuous);
  EXPECT_EQ(s.app->Range("W15").Borders(xl::EdgeRight).LineStyle(), xl::LineNone);
  EXPECT_EQ(s.text("S14"), "Total Hours Scheduled");
  EXPECT_NEAR(s.app->Range("S1").ColumnWidth(), kTotalWidth, 1e-9);
  EXPECT_EQ(s.printArea(), "$A$1:$U$26");
}

TEST(SixDays, DatesReferToS4AndFrameEndsAtT) {
  LaidOutSheet s(choicesFor("xxxxxx."));
  EXPECT_EQ(s.formula("E10"), "=IF(R4C19=0,\"\",R4C19+0)");
  EXPECT_EQ(s.value("S4"), spreadsheet::CellValue(38501.0));
  EXPECT_EQ(s.app->Range("T15").Borders(xl::EdgeRight).LineStyle(), xl::Continuous);
  EXPECT_EQ(s.app->Range("T15").Borders(xl::EdgeRight).ColorIndex(), 16);
  EXPECT_EQ(s.text("Q14"), "Total Hours Scheduled");
}

TEST(OneDay, FrameAndWidthFollowTheLastDay) {
  LaidOutSheet s(choicesFor("...x..."));
  EXPECT_EQ(s.text("E9"), "Wednesday");
  EXPECT_EQ(s.formula("E10"), "=IF(R4C18=0,\"\",R4C18+3)");
  EXPECT_EQ(s.text("G14"), "Total Hours Scheduled");
  EXPECT_NEAR(s.app->Range("G1").ColumnWidth(), kTotalWidth, 1e-9);
  EXPECT_EQ(s.app->Range("S15").Borders(xl::EdgeRight).LineStyle(), xl::Continuous);
  EXPECT_EQ(s.app->Range("J15").Borders(xl::EdgeRight).LineStyle(), xl::LineNone);
  s.addButtons();
  EXPECT_EQ(s.app->ActiveSheet().Buttons().Count(), 0);
}

TEST(TwoWeeks, SecondWeekDatesAndTotalsInAG) {
  LaidOutSheet s(choicesFor(kEveryDay, 2));
  EXPECT_EQ(s.text("S9"), "Sunday");
  EXPECT_EQ(s.text("AE9"), "Saturday");
  EXPECT_EQ(s.formula("S10"), "=IF(R4C21=0,\"\",R4C21+7)");
  EXPECT_EQ(s.formula("AE10"), "=IF(R4C21=0,\"\",R4C21+13)");
  EXPECT_EQ(s.formula("Q10"), "=IF(R4C21=0,\"\",R4C21+6)");
  EXPECT_EQ(s.text("AG14"), "Total Hours Scheduled");
  EXPECT_EQ(s.text("AH14"), "Rate($)");
  EXPECT_EQ(s.text("AI14"), "Total($)");
  EXPECT_NEAR(s.app->Range("AG1").ColumnWidth(), kTotalWidth, 1e-9);
  EXPECT_EQ(s.printArea(), "$A$1:$AI$26");
  s.type("E11", "8:00 AM");
  s.type("E12", "4:00 PM");
  s.type("S11", "9:00 AM");
  s.type("S12", "11:00 AM");
  EXPECT_NEAR(s.value("AG16").number(), 10, 1e-9);
}

TEST(ThreeShifts, PairsLunchTotalsAndMovedLists) {
  LaidOutSheet s(choicesFor(kWeekdays, 1, 3));
  EXPECT_EQ(s.text("C11"), "1 Start");
  EXPECT_EQ(s.text("C12"), "End");
  EXPECT_EQ(s.text("C13"), "2 Start");
  EXPECT_EQ(s.text("C15"), "3 Start");
  EXPECT_EQ(s.text("C16"), "End");
  EXPECT_EQ(s.text("C18"), "Lunch");
  EXPECT_EQ(s.text("C20"), "Total");
  EXPECT_EQ(s.text("C25"), "Vacation");
  for (const char* cell : {"E20", "G20", "M20"})
    EXPECT_EQ(s.formula(cell), "=SUMIF(R[-8]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)")
        << cell;
  EXPECT_EQ(s.value("BC200"), spreadsheet::CellValue(25.0));
  EXPECT_EQ(s.printArea(), "$A$1:$U$30");
  EXPECT_EQ(s.name("Time0"), "=TimeSheet!R205C29:R299C29");
  EXPECT_EQ(s.name("LunchTime"), "=TimeSheet!R204C30:R228C30");
  EXPECT_EQ(s.value("AC205"), spreadsheet::CellValue(0.25));
  EXPECT_EQ(s.app->Range("E15").Validation().Formula1(), "=Time0");

  s.type("E11", "8:00 AM");
  s.type("E12", "12:00 PM");
  s.type("E15", "1:00 PM");
  s.type("E16", "5:00 PM");
  s.type("E18", "0:30");
  EXPECT_NEAR(s.value("E20").number(), 7.5, 1e-9);
  EXPECT_NEAR(s.value("O20").number(), 7.5, 1e-9);
}

TEST(FourWeeksTwoShifts, TotalsRewriteStopsAtTheTotalColumn) {
  LaidOutSheet s(choicesFor(kEveryDay, 4, 2));
  const std::string sumif = "=SUMIF(R[-6]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)";
  EXPECT_EQ(s.formula("AY18"), sumif);
  EXPECT_EQ(s.formula("BG18"), sumif);
  EXPECT_EQ(s.text("BI16"), "Total Hours Scheduled");
  EXPECT_EQ(s.formula("BI18").substr(0, 5), "=SUM(");
  EXPECT_EQ(s.formula("BG10"), "=IF(R4C21=0,\"\",R4C21+27)");
  EXPECT_EQ(s.printArea(), "$A$1:$BK$28");
  s.addButtons();
  auto buttons = s.app->ActiveSheet().Buttons();
  ASSERT_EQ(buttons.Count(), 27);
  EXPECT_EQ(buttons.Item(27).OnAction(), "'CopyTimes 28'");
}

TEST(Buttons, TwoWeeksOfFiveDays) {
  LaidOutSheet s(choicesFor(kWeekdays, 2));
  s.addButtons();
  auto buttons = s.app->ActiveSheet().Buttons();
  ASSERT_EQ(buttons.Count(), 9);
  for (int i = 1; i <= 9; ++i) {
    auto b = buttons.Item(i);
    EXPECT_EQ(b.OnAction(), "'CopyTimes " + std::to_string(i + 1) + "'");
    EXPECT_DOUBLE_EQ(b.Left(), 144 + 81.0 * (i - 1));
    EXPECT_DOUBLE_EQ(b.Top(), 117.75);
    EXPECT_DOUBLE_EQ(b.Width(), 81);
    EXPECT_DOUBLE_EQ(b.Height(), 16.5);
    EXPECT_EQ(b.Text(), "Same as Previous");
  }
  auto font = buttons.Item(1).Characters(1, 16).Font();
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_DOUBLE_EQ(font.Size(), 8);
  EXPECT_FALSE(font.Bold());
  EXPECT_EQ(s.app->ActiveCell().Address(), "$E$9");
  // Past the day columns row 9 is empty: no button; beyond the table: an error.
  AddSameAsPreviousButton(*s.app, 11);
  EXPECT_EQ(buttons.Count(), 9);
  EXPECT_THROW(AddSameAsPreviousButton(*s.app, 41), spreadsheet::Error);
}

TEST(HeaderFields, CityStateZipLines) {
  struct Case {
    bool city, state, zip;
    const char* text;
  };
  for (const Case& c : {Case{true, true, true, "[City, State, ZIP]"},
                        Case{false, true, true, "[State, ZIP]"}, Case{false, false, true, "[ZIP]"},
                        Case{true, false, true, "[City, ZIP]"}, Case{false, false, false, ""}}) {
    auto choices = choicesFor(kWeekdays);
    choices.fields[City] = c.city;
    choices.fields[State] = c.state;
    choices.fields[Zip] = c.zip;
    LaidOutSheet s(choices);
    EXPECT_EQ(s.text("D6"), c.text);
  }
}

TEST(HeaderFields, FieldsOffLeaveTheirCellsEmpty) {
  LaidOutSheet s(choicesFor(kWeekdays, 1, 1, false));
  for (const char* cell :
       {"C2", "D4", "D5", "D6", "I4", "I5", "O4", "O5", "R4", "R5", "D25", "I25", "M25", "R25"})
    EXPECT_TRUE(s.value(cell).isEmpty()) << cell;
  EXPECT_EQ(s.text("C1"), "Weekly Time Sheet");
  EXPECT_EQ(s.text("E9"), "Monday");
  EXPECT_FALSE(s.app->Range("K4").MergeCells());
  EXPECT_EQ(s.app->Range("B24").Borders(xl::EdgeBottom).LineStyle(), xl::LineNone);
  EXPECT_TRUE(s.value("E10").isText());  // no start date: the dates stay empty
  EXPECT_EQ(s.text("E10"), "");
}

TEST(HeaderFields, WeekEndingWithoutStartAndAllFieldsOn) {
  auto choices = choicesFor(kWeekdays);
  choices.fields[WeekStarting] = false;
  LaidOutSheet s(choices);
  // The week end takes the date and the days count back from it.
  EXPECT_EQ(s.formula("R5"), "38507");
  EXPECT_EQ(s.app->Range("R5").Text(), "6/4/2005");
  EXPECT_EQ(s.formula("E10"), "=IF(R5C18=0,\"\",R5C18-5)");
  EXPECT_EQ(s.value("E10"), spreadsheet::CellValue(38502.0));
  EXPECT_EQ(s.text("O5"), "Week ending:");

  LaidOutSheet full(choicesFor(kWeekdays));
  EXPECT_EQ(full.text("C2"), "[Company Name]");
  EXPECT_EQ(full.text("D4"), "[Address 1] ");
  EXPECT_EQ(full.text("I4"), "Employee name:");
  EXPECT_EQ(full.app->Range("K4").Borders(xl::EdgeBottom).ColorIndex(), 16);
  EXPECT_EQ(full.app->Range("R5").Text(), "6/4/2005");
  EXPECT_EQ(full.text("D25"), "Employee signature");
  EXPECT_EQ(full.text("M25"), "Manager signature");
  EXPECT_EQ(full.app->Range("D25").Font().ColorIndex(), 16);
}

TEST(Arguments, RefusedBeforeAnythingChanges) {
  auto app = spreadsheet::api::Application::create();
  app->Workbooks().Add();
  for (auto choices : {choicesFor("......."), choicesFor(kWeekdays, 5),
                       choicesFor(kWeekdays, 1, 21), choicesFor(kWeekdays, 0)})
    EXPECT_THROW(BuildSheetLayout(*app, 1, choices), spreadsheet::Error);
  EXPECT_THROW(BuildSheetLayout(*app, 8, choicesFor(kWeekdays)), spreadsheet::Error);
  EXPECT_TRUE(app->Range("C1").Value().isEmpty());
  app->Quit();
}

}  // namespace
}  // namespace generator
