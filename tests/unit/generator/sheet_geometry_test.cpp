#include "generator/sheet_geometry.h"

#include <gtest/gtest.h>

#include "spreadsheet/model/error.h"

// Where the sheet's parts stand, against tables written out by hand from the
// sheet's drawings (days, weeks and shifts of the examples).
namespace generator {
namespace {

struct Expected {
  const char* label;
  const char* days;  // 7 characters, Sunday first: 'x' on
  int firstDay, weeks, shifts;
  std::vector<int> order;            // day numbers in week order
  std::vector<const char*> columns;  // left column of each day column, all weeks
  std::vector<int> offsets;          // days after the week start, all weeks
  const char* shiftRows;             // start:end row of each shift
  int lunch, dailyTotal, vacation;   // rows
  const char* totals;                // "Total Hours Scheduled", "Rate($)", "Total($)"
  const char* weekStart;
  const char* printArea;
  const char* usedRange;
  const char* timeList;
  const char* breakList;
};

DayChoiceTable daysOf(const char* days) {
  DayChoiceTable table{};
  for (int d = 0; d < 7; ++d) table[static_cast<std::size_t>(d)] = days[d] == 'x';
  return table;
}

std::string columnsOf(int left) {
  return spreadsheet::ColumnLetters(left);
}

// clang-format off
const Expected kCases[] = {
    // label, days (Sunday first), first day, weeks, shifts; day numbers; day columns; date
    // offsets; lunch, daily total and vacation rows; totals; week start; print area; used
    // range; the two lists
    {"default", ".xxxxx.", 1, 1, 1,
     {2, 3, 4, 5, 6}, {"E", "G", "I", "K", "M"}, {1, 2, 3, 4, 5}, "11:12",
     14, 16, 21, "O P Q", "R4", "A1:U26", "A1:BC295", "AC201:AC295", "AD200:AD224"},
    {"all days", "xxxxxxx", 1, 1, 1,
     {1, 2, 3, 4, 5, 6, 7}, {"E", "G", "I", "K", "M", "O", "Q"}, {0, 1, 2, 3, 4, 5, 6}, "11:12",
     14, 16, 21, "S T U", "U4", "A1:U26", "A1:BC295", "AC201:AC295", "AD200:AD224"},
    {"2 weeks x 3 shifts", ".xxxxx.", 1, 2, 3,
     {2, 3, 4, 5, 6}, {"E", "G", "I", "K", "M", "O", "Q", "S", "U", "W"},
     {1, 2, 3, 4, 5, 8, 9, 10, 11, 12}, "11:12 13:14 15:16",
     18, 20, 25, "Y Z AA", "R4", "A1:AE30", "A1:BC299", "AC205:AC299", "AD204:AD228"},
    {"4 weeks x 20 shifts", "xxxxxxx", 1, 4, 20,
     {1, 2, 3, 4, 5, 6, 7},
     {"E", "G", "I", "K", "M", "O", "Q", "S", "U", "W", "Y", "AA", "AC", "AE",
      "AG", "AI", "AK", "AM", "AO", "AQ", "AS", "AU", "AW", "AY", "BA", "BC", "BE", "BG"},
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
      14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27},
     "11:12 13:14 15:16 17:18 19:20 21:22 23:24 25:26 27:28 29:30 "
     "31:32 33:34 35:36 37:38 39:40 41:42 43:44 45:46 47:48 49:50",
     52, 54, 59, "BI BJ BK", "U4", "A1:BK64", "A1:BM333", "AC239:AC333", "AD238:AD262"},
    {"one day", "...x...", 1, 1, 1,
     {4}, {"E"}, {3}, "11:12",
     14, 16, 21, "G H I", "R4", "A1:U26", "A1:BC295", "AC201:AC295", "AD200:AD224"},
    {"Monday first, weekend and Monday, Tuesday off", "...xxx.", 2, 1, 1,
     {4, 5, 6}, {"E", "G", "I"}, {2, 3, 4}, "11:12",
     14, 16, 21, "K L M", "R4", "A1:U26", "A1:BC295", "AC201:AC295", "AD200:AD224"},
    {"Thursday first, Tuesday off, 2 weeks x 2 shifts", "xx.xxxx", 5, 2, 2,
     {5, 6, 7, 1, 2, 4}, {"E", "G", "I", "K", "M", "O", "Q", "S", "U", "W", "Y", "AA"},
     {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13}, "11:12 13:14",
     16, 18, 23, "AC AD AE", "S4", "A1:AG28", "A1:BC297", "AC203:AC297", "AD202:AD226"},
};
// clang-format on

TEST(SheetGeometry, HandTables) {
  for (const Expected& e : kCases) {
    SCOPED_TRACE(e.label);
    const SheetGeometry g(e.firstDay, daysOf(e.days), e.weeks, e.shifts);
    EXPECT_EQ(g.days(), e.order);
    ASSERT_EQ(g.dayColumnCount(), static_cast<int>(e.columns.size()));
    const int n = g.dayCount();
    for (int k = 1; k <= g.dayColumnCount(); ++k) {
      EXPECT_EQ(columnsOf(g.dayColumn(k)), e.columns[static_cast<std::size_t>(k - 1)]) << k;
      const int week = (k - 1) / n + 1;
      const int position = (k - 1) % n + 1;
      EXPECT_EQ(g.dayColumn(week, position), g.dayColumn(k));
      EXPECT_EQ(g.dateOffset(week, position), e.offsets[static_cast<std::size_t>(k - 1)]) << k;
    }
    std::string shiftRows;
    for (int shift = 1; shift <= e.shifts; ++shift) {
      if (shift > 1) shiftRows += ' ';
      shiftRows += std::to_string(g.shiftStartRow(shift));
      shiftRows += ':';
      shiftRows += std::to_string(g.shiftEndRow(shift));
    }
    EXPECT_EQ(shiftRows, e.shiftRows);
    EXPECT_EQ(g.lunchRow(), e.lunch);
    EXPECT_EQ(g.otherBreaksRow(), e.lunch + 1);
    EXPECT_EQ(g.dailyTotalRow(), e.dailyTotal);
    EXPECT_EQ(g.hoursRow(HoursKind::Regular), e.vacation - 3);
    EXPECT_EQ(g.hoursRow(HoursKind::Vacation), e.vacation);
    EXPECT_EQ(g.markerValue(), e.vacation);
    EXPECT_EQ(columnsOf(g.totalHoursColumn()) + " " + columnsOf(g.rateColumn()) + " " +
                  columnsOf(g.payColumn()),
              e.totals);
    EXPECT_EQ(spreadsheet::toA1(g.weekStartCell()), e.weekStart);
    EXPECT_EQ(spreadsheet::toA1(g.printArea()), e.printArea);
    EXPECT_EQ(spreadsheet::toA1(g.usedRange()), e.usedRange);
    EXPECT_EQ(spreadsheet::toA1(g.timeList().range()), e.timeList);
    EXPECT_EQ(spreadsheet::toA1(g.breakList().range()), e.breakList);

    const std::vector<ButtonBox> boxes = g.buttons();
    ASSERT_EQ(boxes.size(), e.columns.size() - 1);
    for (std::size_t i = 0; i < boxes.size(); ++i)  // 81 points apart, the first at 144
      EXPECT_EQ(boxes[i], (ButtonBox{static_cast<int>(i) + 2, 144 + 81.0 * static_cast<double>(i),
                                     117.75, 81, 16.5}));
  }
}

// The header, signature, title and start cells, as the sheet's drawings
// place them: five days (no widening), six (one column) and seven (three).
TEST(SheetGeometry, HeaderSignatureAndStartCells) {
  struct Fields {
    const char* days;
    // company, address 1, address 2, city line; the four labels and their cells
    const char* left;
    const char* names;
    const char* weekDates;
    const char* alignments;  // address column, name lines, date labels, past the dates
    const char* weekStart;
    const char* weekEnd;
  };
  const Fields cases[] = {
      {".xxxxx.", "C2:K2 D4:H4 D5:H5 D6:H6", "I4:J4 K4:M4 I5:J5 K5:M5",
       "O4:P4 R4:S4 O5:P5 R5:S5", "D2:D6 K4:L5 Q4:R5 U4:V5", "R4", "R5"},
      {"xxxxxx.", "C2:K2 D4:H4 D5:H5 D6:H6", "I4:J4 K4:M4 I5:J5 K5:M5",
       "P4:Q4 S4:T4 P5:Q5 S5:T5", "D2:D6 K4:L5 R4:S5 V4:W5", "S4", "S5"},
      {"xxxxxxx", "C2:K2 D4:H4 D5:H5 D6:H6", "I4:J4 K4:M4 I5:J5 K5:M5",
       "R4:S4 U4:V4 R5:S5 U5:V5", "D2:D6 K4:L5 T4:U5 X4:Y5", "U4", "U5"},
  };
  const auto a1 = [](const spreadsheet::CellRange& r) { return spreadsheet::toA1(r); };
  for (const Fields& c : cases) {
    SCOPED_TRACE(c.days);
    const SheetGeometry g(1, daysOf(c.days), 1, 1);
    const HeaderCells h = g.header();
    EXPECT_EQ(a1(h.company) + " " + a1(h.address1) + " " + a1(h.address2) + " " + a1(h.cityLine),
              c.left);
    EXPECT_EQ(a1(h.employeeName.label) + " " + a1(h.employeeName.cells) + " " +
                  a1(h.managerName.label) + " " + a1(h.managerName.cells),
              c.names);
    EXPECT_EQ(a1(h.weekStarting.label) + " " + a1(h.weekStarting.cells) + " " +
                  a1(h.weekEnding.label) + " " + a1(h.weekEnding.cells),
              c.weekDates);
    EXPECT_EQ(a1(h.addressColumn) + " " + a1(h.nameLines) + " " + a1(h.dateLabels) + " " +
                  a1(h.pastDates),
              c.alignments);
    EXPECT_EQ(spreadsheet::toA1(g.weekStartCell()), c.weekStart);
    EXPECT_EQ(spreadsheet::toA1(g.weekEndCell()), c.weekEnd);
    EXPECT_EQ(std::to_string(h.smallPrintFirstRow) + ":" + std::to_string(h.smallPrintLastRow),
              "4:6");

    // The blocks are drawn on the base sheet: one week, one shift.
    const SheetGeometry base = g.base();
    const SignatureCells employee = base.employeeSignature();
    const SignatureCells manager = base.managerSignature();
    EXPECT_EQ(a1(employee.line) + " " + a1(employee.caption) + " " + spreadsheet::toA1(employee.date),
              "B24:J24 D25:H25 I25");
    EXPECT_EQ(a1(manager.line) + " " + a1(manager.caption) + " " + spreadsheet::toA1(manager.date),
              "M24:S24 M25:Q25 R25");
  }
  EXPECT_EQ(spreadsheet::toA1(SheetGeometry::titleCells()), "C1:V1");
  EXPECT_EQ(spreadsheet::toA1(SheetGeometry::firstTimeCell()), "E11");
  EXPECT_EQ(RowsA1(25, 25) + " " + ColumnsA1(4, 4) + " " + A1(14, 4, 16, 5), "25:25 D:D N4:P5");
}

TEST(SheetGeometry, RefusesWhatCannotBeDrawn) {
  const DayChoiceTable weekdays = daysOf(".xxxxx.");
  for (auto [first, weeks, shifts] :
       {std::tuple{0, 1, 1}, std::tuple{8, 1, 1}, std::tuple{1, 0, 1}, std::tuple{1, 5, 1},
        std::tuple{1, 1, 0}, std::tuple{1, 1, 21}})
    EXPECT_THROW(SheetGeometry(first, weekdays, weeks, shifts), spreadsheet::Error);
  EXPECT_THROW(SheetGeometry(1, daysOf("......."), 1, 1), spreadsheet::Error);
}

}  // namespace
}  // namespace generator
