#include "generator/sheet_geometry.h"

#include <algorithm>

#include "generator/day_columns.h"
#include "generator/time_sheet.h"
#include "spreadsheet/model/error.h"

namespace generator {

namespace {

constexpr int kLastBaseColumn = 21;   // U: the printed edge with one week
constexpr int kLastBaseRow = 26;      // the row below the signature captions
constexpr int kTimeListColumn = 29;   // AC
constexpr int kBreakListColumn = 30;  // AD
constexpr int kTimeListFirstRow = 201;
constexpr double kButtonWidth = 81;
constexpr double kButtonHeight = 16.5;
constexpr double kButtonTop = 117.75;
constexpr double kButtonFirstLeft = 63;  // over the first day column, which has none

// Columns inserted into the header so that the name fields reach past the days.
int widening(int dayCount) {
  if (dayCount == 7) return 3;
  if (dayCount == 6) return 1;
  return 0;
}

}  // namespace

SheetGeometry::SheetGeometry(int firstDay, const DayChoiceTable& days, int weeks, int shifts)
    : firstDay_(firstDay), weeks_(weeks), shifts_(shifts) {
  if (firstDay < 1 || firstDay > kDayCount || weeks < 1 || weeks > kWeekListSize || shifts < 1 ||
      shifts > kShiftListSize)
    throw spreadsheet::Error("Invalid procedure call or argument");
  for (int k = 0; k < kDayCount; ++k) {
    const int day = (firstDay - 1 + k) % kDayCount + 1;
    if (days[static_cast<std::size_t>(day - 1)]) days_.push_back(day);
  }
  if (days_.empty()) throw spreadsheet::Error("Invalid procedure call or argument");
  headerWidening_ = widening(dayCount());
}

SheetGeometry SheetGeometry::of(const LayoutChoices& choices, int firstDay) {
  SheetGeometry g(firstDay, choices.days, choices.weekIndex + 1, choices.shiftIndex + 1);
  g.options_ = choices.sheet;
  g.options_.firstDay = firstDay;  // the example week start falls on the sheet's first day
  g.datesCountBack_ = choices.fields[WeekEnding] && !choices.fields[WeekStarting];
  return g;
}

SheetGeometry SheetGeometry::base() const {
  SheetGeometry g;
  g.firstDay_ = firstDay_;
  g.options_ = options_;
  g.datesCountBack_ = datesCountBack_;
  for (int k = 0; k < kDayCount; ++k) g.days_.push_back((firstDay_ - 1 + k) % kDayCount + 1);
  return g;
}

SheetGeometry SheetGeometry::firstWeek() const {
  SheetGeometry g = *this;
  g.weeks_ = 1;
  g.shifts_ = 1;
  return g;
}

int SheetGeometry::dayColumn(int k) const {
  return DayColumnSheetColumn(k);
}

int SheetGeometry::dayColumn(int week, int position) const {
  return dayColumn(dayCount() * (week - 1) + position);
}

int SheetGeometry::dateOffset(int week, int position) const {
  const int fromStart =
      (dayAt(position) - firstDay_ + kDayCount) % kDayCount + kDayCount * (week - 1);
  return datesCountBack_ ? fromStart - WeekEndOffset(weeks_) : fromStart;
}

int SheetGeometry::shiftStartRow(int shift) const {
  return kDateRow - 1 + 2 * shift;
}

int SheetGeometry::frameRightColumn() const {
  // With five days or fewer the frame is drawn out to column S all the same.
  const int firstWeek = std::max(kColumnsPerDay * dayCount() + 8, 19);
  return firstWeek + kColumnsPerDay * dayCount() * (weeks_ - 1);
}

ListCells SheetGeometry::timeList() const {
  const int first = kTimeListFirstRow + 2 * (shifts_ - 1);
  return {"Time0", kTimeListColumn, first, first + TimeListSize(options_) - 1};
}

ListCells SheetGeometry::breakList() const {
  const int first = kTimeListFirstRow - 1 + 2 * (shifts_ - 1);
  return {"LunchTime", kBreakListColumn, first, first + options_.longestBreak / options_.breakStep};
}

spreadsheet::CellRange SheetGeometry::printArea() const {
  return spreadsheet::CellRange::of(1, 1, kLastBaseRow + 2 * (shifts_ - 1),
                                    kLastBaseColumn + kColumnsPerDay * dayCount() * (weeks_ - 1));
}

spreadsheet::CellRange SheetGeometry::usedRange() const {
  // The frame's right edge also draws the left edge of the column after it.
  const int lastColumn = std::max(kMarkerCell.column, frameRightColumn() + 1);
  return spreadsheet::CellRange::of(1, 1, timeList().lastRow, lastColumn);
}

std::vector<HeaderInput> SheetGeometry::headerInputs() {
  using spreadsheet::CellRange;
  const CellRange cityLine = CellRange::of(6, 4, 6, 8);  // D6:H6, for any of its three parts
  return {{CompanyName, CellRange::of(2, 3, 2, 11)},
          {Address1, CellRange::of(4, 4, 4, 8)},
          {Address2, CellRange::of(5, 4, 5, 8)},
          {City, cityLine},
          {State, cityLine},
          {Zip, cityLine},
          {EmployeeName, CellRange::of(4, 11, 4, 13)},
          {ManagerName, CellRange::of(5, 11, 5, 13)}};
}

std::vector<ButtonBox> SheetGeometry::buttons() const {
  std::vector<ButtonBox> boxes;
  for (int k = 2; k <= dayColumnCount(); ++k) boxes.push_back(SameAsPreviousBox(k));
  return boxes;
}

ButtonBox SameAsPreviousBox(int k) {
  return {k, kButtonWidth * (k - 1) + kButtonFirstLeft, kButtonTop, kButtonWidth, kButtonHeight};
}

std::string A1(int column, int row) {
  return spreadsheet::toA1(spreadsheet::CellAddress{row, column});
}

std::string A1(int column1, int row1, int column2, int row2) {
  return A1(column1, row1) + ":" + A1(column2, row2);
}

}  // namespace generator
