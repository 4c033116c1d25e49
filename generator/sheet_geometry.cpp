#include "generator/sheet_geometry.h"

#include <algorithm>

#include "generator/day_columns.h"
#include "generator/time_sheet.h"
#include "spreadsheet/model/error.h"

namespace generator {

namespace {

constexpr int kLastBaseColumn = 21;   // U: the printed edge with one week
constexpr int kTitleLastColumn = 22;  // V
constexpr int kWeekDateColumn = 18;   // R, before the header widens
constexpr int kWeekStartRow = 4;
constexpr int kWeekEndRow = 5;
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

int SheetGeometry::shiftStartRow(int shift) {
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

spreadsheet::CellAddress SheetGeometry::weekStartCell() const {
  return {kWeekStartRow, kWeekDateColumn + headerWidening_};
}

spreadsheet::CellAddress SheetGeometry::weekEndCell() const {
  return {kWeekEndRow, kWeekDateColumn + headerWidening_};
}

namespace {

using spreadsheet::CellRange;

// A range of one row from column `first` to `last`.
CellRange span(int row, int first, int last) {
  return CellRange::of(row, first, row, last);
}

// The header with `w` columns inserted at column N.
HeaderCells headerWith(int w) {
  const int date = kWeekDateColumn + w;
  HeaderCells h;
  h.company = span(2, 3, 11);  // C2:K2
  h.address1 = span(4, 4, 8);  // D4:H4
  h.address2 = span(5, 4, 8);  // D5:H5
  h.cityLine = span(6, 4, 8);  // D6:H6
  h.employeeName = {span(4, 9, 10), span(4, 11, 13)};  // I4:J4, K4:M4
  h.managerName = {span(5, 9, 10), span(5, 11, 13)};   // I5:J5, K5:M5
  h.weekStarting = {span(kWeekStartRow, date - 3, date - 2), span(kWeekStartRow, date, date + 1)};
  h.weekEnding = {span(kWeekEndRow, date - 3, date - 2), span(kWeekEndRow, date, date + 1)};
  h.smallPrintFirstRow = 4;
  h.smallPrintLastRow = 6;
  h.addressColumn = CellRange::of(2, 4, 6, 4);                                  // D2:D6
  h.nameLines = CellRange::of(kWeekStartRow, 11, kWeekEndRow, 12);              // K4:L5
  h.dateLabels = CellRange::of(kWeekStartRow, date - 1, kWeekEndRow, date);     // Q4:R5
  h.pastDates = CellRange::of(kWeekStartRow, date + 3, kWeekEndRow, date + 4);  // U4:V5
  return h;
}

}  // namespace

HeaderCells SheetGeometry::header() const {
  return headerWith(headerWidening_);
}

std::vector<HeaderInput> SheetGeometry::headerInputs() {
  const HeaderCells h = headerWith(0);
  return {{CompanyName, h.company},
          {Address1, h.address1},
          {Address2, h.address2},
          {City, h.cityLine},
          {State, h.cityLine},
          {Zip, h.cityLine},
          {EmployeeName, h.employeeName.cells},
          {ManagerName, h.managerName.cells}};
}

SignatureCells SheetGeometry::employeeSignature() const {
  const int line = signatureLineRow(), caption = signatureCaptionRow();
  return {span(line, 2, 10), span(caption, 4, 8), {caption, 9}};  // B24:J24, D25:H25, I25
}

SignatureCells SheetGeometry::managerSignature() const {
  const int line = signatureLineRow(), caption = signatureCaptionRow();
  return {span(line, 13, 19), span(caption, 13, 17), {caption, 18}};  // M24:S24, M25:Q25, R25
}

spreadsheet::CellAddress SheetGeometry::firstTimeCell() {
  return {shiftStartRow(1), DayColumnSheetColumn(1)};
}

spreadsheet::CellRange SheetGeometry::titleCells() {
  return span(kTitleRow, kLabelColumn, kTitleLastColumn);  // C1:V1
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

std::string A1(spreadsheet::CellAddress cell) {
  return spreadsheet::toA1(cell);
}

std::string A1(const spreadsheet::CellRange& range) {
  return spreadsheet::toA1(range);
}

std::string RowsA1(int first, int last) {
  return spreadsheet::toA1(CellRange::of(first, 1, last, spreadsheet::kMaxColumns));
}

std::string ColumnsA1(int first, int last) {
  return spreadsheet::toA1(CellRange::of(1, first, spreadsheet::kMaxRows, last));
}

}  // namespace generator
