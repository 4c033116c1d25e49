#include <gtest/gtest.h>

#include <cstdlib>

#include "generator/generate_workbook.h"
#include "generator/layout_blocks.h"
#include "layout_fixture.h"

// Every day subset, checked for the invariants that tie the layout together.
// By default each subset is laid out once, with the (weeks, shifts) pairs
// taken in turn so that every pair occurs about eight times; with
// TALLYLOOM_FULL_SWEEP=1 in the environment every subset meets every pair.
namespace generator {
namespace {

using testing::LaidOutSheet;

struct Geometry {
  int subset;  // bit d = day d + 1 on (Sunday = bit 0)
  int weeks;
  int shifts;
};

constexpr int kShiftChoices[] = {1, 2, 7, 20};

std::string cell(int column, int row) {
  return ColumnLetters(column) + std::to_string(row);
}

void checkInvariants(const Geometry& g) {
  LayoutChoices choices;
  std::vector<int> days;
  for (int d = 0; d < kDayCount; ++d) {
    choices.days[static_cast<std::size_t>(d)] = (g.subset >> d) & 1;
    if ((g.subset >> d) & 1) days.push_back(d + 1);
  }
  choices.fields.fill(true);
  choices.weekIndex = g.weeks - 1;
  choices.shiftIndex = g.shifts - 1;
  LaidOutSheet s(choices);

  const int n = static_cast<int>(days.size());
  const int w = g.weeks;
  const int sh = g.shifts;
  const LayoutState& state = SheetLayout();
  ASSERT_EQ(state.EnabledDays, days);
  ASSERT_EQ(state.EnabledDayCount, n);

  const int total = 2 * n * w + 5;
  EXPECT_EQ(s.text(cell(total, 2 * sh + 12)), "Total Hours Scheduled");
  EXPECT_EQ(s.text(cell(total + 1, 2 * sh + 12)), "Rate($)");
  EXPECT_EQ(s.text(cell(total + 2, 2 * sh + 12)), "Total($)");
  EXPECT_EQ(s.printArea(), "$A$1:$" + ColumnLetters(21 + 2 * n * (w - 1)) + "$" +
                               std::to_string(26 + 2 * (sh - 1)));
  EXPECT_EQ(s.value("BC200"), spreadsheet::CellValue(2.0 * sh + 19));
  EXPECT_EQ(s.name("Time0"), "=TimeSheet!R" + std::to_string(201 + 2 * (sh - 1)) + "C29:R" +
                                 std::to_string(295 + 2 * (sh - 1)) + "C29");
  EXPECT_EQ(s.name("LunchTime"), "=TimeSheet!R" + std::to_string(200 + 2 * (sh - 1)) + "C30:R" +
                                     std::to_string(224 + 2 * (sh - 1)) + "C30");

  const std::string start = "R4C" + std::to_string(layout::WeekStartColumn(n));
  const std::string dailyTotal = "=SUMIF(R[-" + std::to_string(2 * sh + 2) +
                                 "]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)";
  for (int k = 1; k <= w; ++k) {
    for (int i = 1; i <= n; ++i) {
      const int column = 5 + 2 * n * (k - 1) + 2 * (i - 1);
      const int offset = days[static_cast<std::size_t>(i - 1)] - 1 + 7 * (k - 1);
      EXPECT_EQ(s.text(cell(column, 9)), layout::DayName(days[static_cast<std::size_t>(i - 1)]));
      EXPECT_EQ(s.formula(cell(column, 10)),
                "=IF(" + start + "=0,\"\"," + start + "+" + std::to_string(offset) + ")");
      EXPECT_EQ(s.formula(cell(column, 2 * sh + 14)), dailyTotal) << cell(column, 2 * sh + 14);
    }
  }

  AddAllSameAsPreviousButtons(*s.app);
  auto buttons = s.app->ActiveSheet().Buttons();
  ASSERT_EQ(buttons.Count(), n * w - 1);
  for (int j = 2; j <= n * w; ++j)
    EXPECT_EQ(buttons.Item(j - 1).OnAction(), "'CopyTimes " + std::to_string(j) + "'");
}

TEST(LayoutSweep, EveryDaySubsetKeepsTheInvariants) {
  const bool full = std::getenv("TALLYLOOM_FULL_SWEEP") != nullptr;
  int pair = 0;
  for (int subset = 1; subset < 128; ++subset) {
    for (int weeks = 1; weeks <= 4; ++weeks) {
      for (int shifts : kShiftChoices) {
        const bool chosen = full || (pair++ % 16) == (subset % 16);
        if (!chosen) continue;
        SCOPED_TRACE("days " + std::to_string(subset) + ", weeks " + std::to_string(weeks) +
                     ", shifts " + std::to_string(shifts));
        checkInvariants({subset, weeks, shifts});
        if (::testing::Test::HasFailure()) return;  // one broken geometry is enough to read
      }
    }
  }
}

}  // namespace
}  // namespace generator
