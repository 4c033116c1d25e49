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
  }
}

}  // namespace
}  // namespace generator
