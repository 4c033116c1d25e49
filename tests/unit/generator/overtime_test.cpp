#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "spreadsheet/model/address.h"

// The engine's values of the overtime formulas for weeks worked out by hand;
// test_overtime.py checks the same weeks in LibreOffice, so the results our
// files carry agree with what the office computes.
namespace generator {
namespace {

struct Case {
  int daily, weekly;  // hundredths of an hour; 0 is no limit
  int weeks;
  // Per day, Monday first: start, end and lunch as typed ("" left empty),
  // then the regular and overtime hours.
  std::vector<std::tuple<const char*, const char*, const char*, double, double>> days;
};

// clang-format off
const Case kCases[] = {
    {800, 0, 1, {{"8:00 AM", "5:00 PM", "", 8, 1}, {"7:00 AM", "5:00 PM", "", 8, 2}}},
    {0, 1000, 1, {{"7:00 AM", "3:00 PM", "", 8, 0}, {"7:00 AM", "3:00 PM", "", 2, 6},
                  {"8:00 AM", "9:00 AM", "", 0, 1}}},
    {750, 1400, 2, {{"10:00 PM", "7:00 AM", "", 7.5, 1.5}, {"", "", "0:30", 0, 0},
                    {"8:00 AM", "2:30 PM", "0:30", 6, 0}, {"", "", "", 0, 0},
                    {"8:00 AM", "5:00 PM", "", 0.5, 8.5},
                    {"8:00 AM", "5:00 PM", "", 7.5, 1.5}}},
};
// clang-format on

TEST(Overtime, EngineValuesOfHandWorkedWeeks) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.daily) + "/" + std::to_string(c.weekly));
    LayoutChoices choices = testing::choicesFor(testing::kWeekdays, c.weeks);
    choices.sheet.overtimeDaily = c.daily;
    choices.sheet.overtimeWeekly = c.weekly;
    testing::LaidOutSheet s(choices);
    for (std::size_t k = 0; k < c.days.size(); ++k) {
      const std::string column = spreadsheet::ColumnLetters(5 + 2 * int(k));  // E, G, ...
      const auto& [start, end, lunch, regular, overtime] = c.days[k];
      for (const auto& [row, typed] : {std::pair{11, start}, {12, end}, {14, lunch}})
        if (*typed) s.type(column + std::to_string(row), typed);
      EXPECT_NEAR(s.value(column + "18").number(), regular, 1e-9) << column;
      EXPECT_NEAR(s.value(column + "19").number(), overtime, 1e-9) << column;
    }
  }
}

}  // namespace
}  // namespace generator
