#include "generator/sheet_options.h"

#include <gtest/gtest.h>

#include "spreadsheet/format/number_format.h"

namespace generator {
namespace {

// Options that cannot go together, with the words each refusal must name.
TEST(SheetOptionsProblems, NameBothValues) {
  struct Case {
    int firstDay;
    WeekStartKind kind;
    int serial;  // 46365 is 2026-12-09, a Wednesday
    int breakStep, longestBreak;
    std::vector<std::string> problems;
  };
  const Case cases[] = {
      {1, WeekStartKind::Example, 0, 5, 120, {}},
      {2, WeekStartKind::Example, 0, 5, 120, {}},
      {4, WeekStartKind::Given, 46365, 5, 120, {}},
      {7, WeekStartKind::Empty, 0, 15, 480, {}},
      {2,
       WeekStartKind::Given,
       46365,
       5,
       120,
       {"2026-12-09 is a Wednesday; the week starts on Monday"}},
      {1,
       WeekStartKind::Given,
       46367,
       10,
       15,
       {"2026-12-11 is a Friday; the week starts on Sunday",
        "the longest break 0:15 is not a multiple of the break step of 10 minutes"}},
      {1,
       WeekStartKind::Example,
       0,
       15,
       125,
       {"the longest break 2:05 is not a multiple of the break step of 15 minutes"}},
  };
  for (const Case& c : cases) {
    SheetOptions o;
    o.firstDay = c.firstDay;
    o.weekStart = c.kind;
    o.weekStartSerial = c.serial;
    o.breakStep = c.breakStep;
    o.longestBreak = c.longestBreak;
    EXPECT_EQ(SheetOptionsProblems(o), c.problems) << c.firstDay << " " << c.serial;
  }
}

// The example start for each first day, Sunday 29 May 2005 to Saturday 4 June,
// and how the week-start cell is given it.
TEST(ExampleWeekStart, FirstDateOnTheFirstDay) {
  const char* const typed[] = {"5/29/2005", "5/30/2005", "5/31/2005", "6/1/2005",
                               "6/2/2005",  "6/3/2005",  "6/4/2005"};
  for (int day = 1; day <= 7; ++day) {
    SheetOptions o;
    o.firstDay = day;
    EXPECT_EQ(ExampleWeekStart(day), 38500 + day);
    EXPECT_EQ(WeekStartContent(o), typed[day - 1]);
    o.dateOrder = DateOrder::Ymd;
    EXPECT_EQ(WeekStartContent(o), std::to_string(38500 + day));
  }
}

// What a reader shows for 38502 (30 May 2005) and a rate of 23.25.
TEST(SheetFormats, DatesAndRatesAsShown) {
  struct Case {
    DateOrder order;
    const char* currency;
    bool after;
    const char* date;
    const char* rate;
  };
  const Case cases[] = {
      {DateOrder::Mdy, "$", false, "5/30/2005", "$23.25"},
      {DateOrder::Dmy, "\u20ac", false, "30/5/2005", "\u20ac 23.25"},
      {DateOrder::DmyDots, "\u20ac", true, "30.5.2005", "23.25 \u20ac"},
      {DateOrder::Ymd, "CHF", false, "2005-05-30", "CHF 23.25"},
  };
  for (const Case& c : cases) {
    SheetOptions o;
    o.dateOrder = c.order;
    o.currency = c.currency;
    o.currencyAfter = c.after;
    EXPECT_EQ(spreadsheet::format::displayText(spreadsheet::CellValue(38502.0), DateFormat(o)),
              c.date);
    EXPECT_EQ(spreadsheet::format::displayText(spreadsheet::CellValue(23.25), RateFormat(o)),
              c.rate);
    EXPECT_NE(
        spreadsheet::format::displayText(spreadsheet::CellValue(15.5), RateFormat(o)).find("15.50"),
        std::string::npos);
  }
  // Every separator of a date format is escaped.
  SheetOptions dots;
  dots.dateOrder = DateOrder::DmyDots;
  EXPECT_EQ(DateFormat(dots), "d\\.m\\.yyyy");
}

// The start/end list: times of day only, in the list's order.
TEST(TimeList, WholeMinutesWithinOneDay) {
  SheetOptions late;
  late.firstTime = 22 * 60;
  const std::pair<int, int> entries[] = {{1, 1320}, {8, 1425}, {9, 0}, {95, 1290}};
  EXPECT_EQ(TimeListSize(late), 95);
  for (const auto& [entry, minutes] : entries)
    EXPECT_EQ(TimeListValue(late, entry), minutes / 1440.0) << entry;
  SheetOptions byDefault;
  EXPECT_EQ(TimeListValue(byDefault, 73), 0.0);           // midnight
  EXPECT_EQ(TimeListValue(byDefault, 93), 300 / 1440.0);  // 5:00 AM
}

}  // namespace
}  // namespace generator
