#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "spreadsheet/model/address.h"

// The overtime rules as the engine computes them, for hand-worked weeks; the
// same weeks are checked in LibreOffice by the interop tests, so the values
// our files carry agree with what the office shows.
namespace generator {
namespace {

using testing::LaidOutSheet;

// One day's entries: start, end and lunch as typed; "" leaves the cell empty.
struct Day {
  const char* start;
  const char* end;
  const char* lunch = "";
};

struct Case {
  const char* label;
  int daily, weekly, rate;  // hundredths; 0 is no limit
  int weeks;
  std::vector<Day> days;  // Monday first, every week one after the other
  std::vector<double> regular, overtime;
  const char* totals;  // the "Total Hours Scheduled" column
  double regularSum, overtimeSum;
};

const Day k9{"8:00 AM", "5:00 PM"};
const Day k10{"7:00 AM", "5:00 PM"};
const Day k8{"8:00 AM", "4:00 PM"};

// clang-format off
const Case kCases[] = {
    {"daily 8, five days of 9", 800, 0, 150, 1, {k9, k9, k9, k9, k9},
     {8, 8, 8, 8, 8}, {1, 1, 1, 1, 1}, "O", 40, 5},
    {"weekly 40, four days of 10 and one of 8", 0, 4000, 150, 1, {k10, k10, k10, k10, k8},
     {10, 10, 10, 10, 0}, {0, 0, 0, 0, 8}, "O", 40, 8},
    {"daily 8 and weekly 40, the same days", 800, 4000, 200, 1, {k10, k10, k10, k10, k8},
     {8, 8, 8, 8, 8}, {2, 2, 2, 2, 0}, "O", 40, 8},
    {"daily 7.5: a night shift, a lunch alone, a short day", 750, 0, 125, 1,
     {{"10:00 PM", "7:00 AM"}, {"", "", "0:30"}, {"8:00 AM", "2:30 PM", "0:30"}},
     {7.5, 0, 6, 0, 0}, {1.5, 0, 0, 0, 0}, "O", 13.5, 1.5},
    {"weekly 40 over two weeks of nine-hour days", 0, 4000, 150, 2,
     {k9, k9, k9, k9, k9, k9, k9, k9, k9, k9},
     {9, 9, 9, 9, 4, 9, 9, 9, 9, 4}, {0, 0, 0, 0, 5, 0, 0, 0, 0, 5}, "Y", 80, 10},
};
// clang-format on

std::string at(const std::string& column, int row) {
  return column + std::to_string(row);
}

std::string dayColumn(int k) {
  return spreadsheet::ColumnLetters(3 + 2 * k);  // E, G, I, ...
}

TEST(Overtime, RegularOvertimeTotalsAndPayOfHandWorkedWeeks) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    LayoutChoices choices = testing::choicesFor(testing::kWeekdays, c.weeks);
    choices.sheet.overtimeDaily = c.daily;
    choices.sheet.overtimeWeekly = c.weekly;
    choices.sheet.overtimeRate = c.rate;
    LaidOutSheet s(choices);
    for (std::size_t k = 0; k < c.days.size(); ++k) {
      const std::string column = dayColumn(int(k) + 1);
      if (*c.days[k].start) s.type(at(column, 11), c.days[k].start);
      if (*c.days[k].end) s.type(at(column, 12), c.days[k].end);
      if (*c.days[k].lunch) s.type(at(column, 14), c.days[k].lunch);
    }
    for (std::size_t k = 0; k < c.regular.size(); ++k) {
      const std::string column = dayColumn(int(k) + 1);
      EXPECT_NEAR(s.value(at(column, 18)).number(), c.regular[k], 1e-9) << column;
      EXPECT_NEAR(s.value(at(column, 19)).number(), c.overtime[k], 1e-9) << column;
    }
    const std::string totals = c.totals;
    const std::string rate = spreadsheet::ColumnLetters(spreadsheet::ColumnNumber(totals) + 1);
    const std::string pay = spreadsheet::ColumnLetters(spreadsheet::ColumnNumber(totals) + 2);
    EXPECT_NEAR(s.value(at(totals, 18)).number(), c.regularSum, 1e-9);
    EXPECT_NEAR(s.value(at(totals, 19)).number(), c.overtimeSum, 1e-9);
    s.type(at(rate, 18), "20");
    EXPECT_NEAR(s.value(at(rate, 19)).number(), 20 * c.rate / 100.0, 1e-9);
    EXPECT_NEAR(s.value(at(pay, 18)).number() + s.value(at(pay, 19)).number(),
                20 * c.regularSum + 20 * c.rate / 100.0 * c.overtimeSum, 1e-9);
    // Sick and vacation stay inputs.
    EXPECT_TRUE(s.formula(at(dayColumn(1), 20)).empty());
    EXPECT_TRUE(s.formula(at(dayColumn(1), 21)).empty());
  }
}

}  // namespace
}  // namespace generator
