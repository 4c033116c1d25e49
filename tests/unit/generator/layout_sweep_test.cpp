#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "layout_fixture.h"
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/constants.h"

// Every first day of the week and every set of days, saved as .xls and read
// back with our reader: the day names are the chosen days in week order from
// the first day, each date falls on its day, the totals, lists, marker and
// print area stand where the hand rules below say, and every day column after
// the first has its button. By default every third day set is laid out once,
// with the first day and the (weeks, shifts) pair taken in turn;
// TALLYLOOM_FULL_SWEEP=1 lays out every day set for every first day and pair.
namespace generator {
namespace {

using testing::LaidOutSheet;

const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday"};
constexpr int kShiftChoices[] = {1, 2, 7, 20};
constexpr double kSunday29May2005 = 38501;  // the sample week start

struct Case {
  int subset;  // bit d = day d + 1 on (Sunday = bit 0)
  int firstDay;
  int weeks;
  int shifts;
};

std::string cell(int column, int row) {
  return spreadsheet::ColumnLetters(column) + std::to_string(row);
}

void check(const Case& c, const std::string& path) {
  LayoutChoices choices;
  for (int d = 0; d < kDayCount; ++d)
    choices.days[static_cast<std::size_t>(d)] = (c.subset >> d) & 1;
  choices.fields.fill(true);
  choices.weekIndex = c.weeks - 1;
  choices.shiftIndex = c.shifts - 1;
  LaidOutSheet s(choices, c.firstDay);
  // The geometry's used range is the engine's.
  EXPECT_EQ(s.app->ActiveSheet().UsedRange().Address(),
            "$A$1:" + spreadsheet::toA1(s.geometry.usedRange().last, true, true));
  s.addButtons();
  s.app->ActiveWorkbook().SaveAs(path, spreadsheet::xl::Excel8);
  s.app->ActiveWorkbook().Close();
  s.app->Workbooks().Open(path);

  // The chosen days, walking the week from the first day.
  std::vector<std::string> names;
  for (int k = 0; k < 7; ++k)
    if ((c.subset >> ((c.firstDay - 1 + k) % 7)) & 1)
      names.push_back(kNames[(c.firstDay - 1 + k) % 7]);
  const int n = static_cast<int>(names.size());
  const int w = c.weeks;
  const int sh = c.shifts;
  const int startColumn = n == 7 ? 21 : n == 6 ? 19 : 18;  // the header widens for 6 and 7 days

  // A week start that falls on the first day: every date must then fall on its own day.
  const double start = kSunday29May2005 + (c.firstDay - 1);
  s.type(cell(startColumn, 4), std::to_string(static_cast<int>(start)));
  double previous = start - 1;
  for (int week = 1; week <= w; ++week) {
    for (int i = 0; i < n; ++i) {
      const int column = 5 + 2 * n * (week - 1) + 2 * i;
      ASSERT_EQ(s.text(cell(column, 9)), names[static_cast<std::size_t>(i)]) << cell(column, 9);
      const double date = s.value(cell(column, 10)).number();
      const int weekday = static_cast<int>(date - kSunday29May2005) % 7;
      EXPECT_EQ(kNames[weekday], names[static_cast<std::size_t>(i)]) << cell(column, 10);
      EXPECT_GT(date, previous) << cell(column, 10);
      EXPECT_LT(date, start + 7 * week) << cell(column, 10);
      previous = date;
    }
  }

  const int total = 2 * n * w + 5;
  EXPECT_EQ(s.text(cell(total, 2 * sh + 12)), "Total Hours Scheduled");
  EXPECT_EQ(s.text(cell(total + 2, 2 * sh + 12)), "Total($)");
  EXPECT_EQ(s.printArea(), "$A$1:$" + spreadsheet::ColumnLetters(21 + 2 * n * (w - 1)) + "$" +
                               std::to_string(26 + 2 * (sh - 1)));
  EXPECT_EQ(s.value("BC200"), spreadsheet::CellValue(2.0 * sh + 19));
  EXPECT_EQ(s.name("Time0"), "=TimeSheet!R" + std::to_string(199 + 2 * sh) + "C29:R" +
                                 std::to_string(293 + 2 * sh) + "C29");
  auto buttons = s.app->ActiveSheet().Buttons();
  ASSERT_EQ(buttons.Count(), n * w - 1);
  for (int j = 2; j <= n * w; ++j)
    EXPECT_EQ(buttons.Item(j - 1).OnAction(), "'CopyTimes " + std::to_string(j) + "'");
}

TEST(LayoutSweep, EveryFirstDayAndDaySetShowsTheChosenDaysInOrder) {
  const bool full = std::getenv("TALLYLOOM_FULL_SWEEP") != nullptr;
  QTemporaryDir dir;
  const std::string path = dir.filePath("sweep.xls").toStdString();
  int turn = 0;
  for (int subset = 1; subset < 128; ++subset) {
    for (int firstDay = 1; firstDay <= 7; ++firstDay) {
      for (int weeks = 1; weeks <= 4; ++weeks) {
        for (int shifts : kShiftChoices) {
          // One sheet for every third day set: each first day about six times.
          const bool chosen = full || (subset % 3 == 1 && (turn % 112) == (subset * 37) % 112);
          ++turn;
          if (!chosen) continue;
          SCOPED_TRACE("days " + std::to_string(subset) + ", first day " +
                       std::to_string(firstDay) + ", weeks " + std::to_string(weeks) + ", shifts " +
                       std::to_string(shifts));
          check({subset, firstDay, weeks, shifts}, path);
          if (::testing::Test::HasFailure()) return;  // one broken sheet is enough to read
        }
      }
    }
  }
}

}  // namespace
}  // namespace generator
