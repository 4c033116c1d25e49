#include "generator/layout_blocks.h"
#include "generator/overtime_rule.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kAuto = xl::ColorAutomatic;
constexpr int kLabelColumn = SheetGeometry::kLabelColumn;  // C:D
constexpr int kGreen = 52;
constexpr int kBlue = 55;

// Times of day are whole minutes over 1440; an end before its start is the
// next day. Hours count whole minutes, so 2 h 30 min is exactly 2.5.
const char* const kWorkedHours =
    "=IF(OR(RC[-1]=\"\",R[-1]C[-1]=\"\"),0,"
    "ROUND((RC[-1]-R[-1]C[-1]+IF(RC[-1]<R[-1]C[-1],1,0))*1440,0)/60)";
const char* const kBreakHours =
    "=IF(AND(RC[-1]=\"\",R[-1]C[-1]=\"\"),0,ROUND((RC[-1]+R[-1]C[-1])*1440,0)/60)";

std::string pair(int column, int row) {
  return A1(column, row, column + 1, row);
}

// "C11:D11": the label cells of row r.
std::string label(int row) {
  return pair(kLabelColumn, row);
}

std::string dateFormula(const SheetGeometry& g, int offset) {
  const spreadsheet::CellAddress cell = g.dateAnchorCell();
  const std::string start = "R" + std::to_string(cell.row) + "C" + std::to_string(cell.column);
  return "=IF(" + start + "=0,\"\"," + start + (offset < 0 ? "" : "+") + std::to_string(offset) +
         ")";
}

void totalsAndPay(Excel& app, const SheetGeometry& base) {
  const GridSpan g(base);
  const SheetOptions& options = base.options();
  const SheetTexts& texts = base.texts();
  for (const auto& [column, text] :
       {std::pair{g.totals, std::string(texts.totalHoursScheduled)},
        std::pair{base.rateColumn(), MoneyHeading(options, std::string(texts.rate))},
        std::pair{g.pay, MoneyHeading(options, std::string(texts.pay))}}) {
    WriteCell(app, A1(column, g.lunch, column, base.otherBreaksRow()), text, true);
    SetFont(app, "General", 9, kAuto);
  }
  // The row sums run from the label column D to the last day's value column.
  const std::string rowSum = "=SUM(RC[-" + std::to_string(g.totals - kLabelColumn - 1) + "]:RC[-" +
                             std::to_string(g.totals - g.lastDay + 1) + "])";
  for (int r = g.dailyTotal; r <= g.lastHours; ++r) {
    if (r != g.totalSpacer) {
      WriteCell(app, A1(g.totals, r), rowSum, false);
      SetNumberFormat(app, "", "0.00");
      SetFont(app, "Bold", 9, kAuto);
    }
    if (r >= g.firstHours) {
      // Pay to the cent, half a cent up, as a payslip has it.
      WriteCell(app, A1(g.pay, r), "=ROUND(RC[-2]*RC[-1],2)", false);
      SetFont(app, "Bold", 8, kAuto);
      SetNumberFormat(app, "", PayFormat(options));
      SetNumberFormat(app, A1(base.rateColumn(), r), RateFormat(options));
      SetFont(app, "Bold", 9, kAuto);
    }
  }
}

void dayBlock(Excel& app, const SheetGeometry& base, int position) {
  const int left = base.dayColumn(1, position);
  const int right = left + 1;
  const int start = base.shiftStartRow(1);
  const int end = base.shiftEndRow(1);
  const int lunch = base.lunchRow();
  const int breaks = base.otherBreaksRow();
  const std::string total(base.texts().total);
  if (position > 1)
    WriteCell(app, pair(left, SheetGeometry::kDayNameRow),
              DayName(base.texts(), base.dayAt(position)), true);
  WriteCell(app, pair(left, SheetGeometry::kDateRow),
            dateFormula(base, base.dateOffset(1, position)), true);
  SetNumberFormat(app, "", DateFormat(base.options()));
  AttachTimeValidation(app, base, A1(left, start));
  AttachTimeValidation(app, base, A1(left, end));
  WriteCell(app, A1(right, start), total, false);
  FillInterior(app, "", kGreen);
  WriteCell(app, A1(right, end), kWorkedHours, false);
  SetNumberFormat(app, "", "0.00");
  AttachBreakValidation(app, base, A1(left, lunch));
  AttachBreakValidation(app, base, A1(left, breaks));
  WriteCell(app, A1(right, lunch), total, false);
  FillInterior(app, "", kGreen);
  WriteCell(app, A1(right, breaks), kBreakHours, false);
  SetNumberFormat(app, "", "0.00");
  WriteCell(app, pair(left, base.dailyTotalRow()), DailyTotalFormula(base), true);
  SetNumberFormat(app, "", "0.00");
  SetFont(app, "Bold", 9, kAuto);
  for (int r = base.hoursRow(HoursKind::Regular); r <= base.hoursRow(HoursKind::Vacation); ++r) {
    app.Range(pair(left, r)).Select();
    app.Selection().Merge();
  }
}

}  // namespace

std::string DayName(const SheetTexts& texts, int dayNumber) {
  if (dayNumber < 1 || dayNumber > kDayCount) throw spreadsheet::Error("Subscript out of range");
  return std::string(texts.days[static_cast<std::size_t>(dayNumber - 1)]);
}

std::string DateFormula(const SheetGeometry& sheet, int week, int position) {
  return dateFormula(sheet, sheet.dateOffset(week, position));
}

std::string WeekEndFormula(const SheetGeometry& sheet, int weeks) {
  return dateFormula(sheet, WeekEndOffset(weeks));
}

std::string DailyTotalFormula(const SheetGeometry& sheet) {
  // The hours of every shift's end row, less the break hours just above.
  const int row = sheet.dailyTotalRow();
  const std::string hours = "SUMIF(R[-" + std::to_string(row - sheet.shiftEndRow(1)) + "]C[1]:R[-" +
                            std::to_string(row - sheet.shiftEndRow(sheet.shifts())) +
                            "]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)";
  // Under an overtime rule a day of breaks alone pays nothing and takes nothing
  // away, so the week's total is its regular plus its overtime hours.
  return HasOvertimeRule(sheet.options()) ? "=MAX(0," + hours + ")" : "=" + hours;
}

void GridLabelsAndTotals(Excel& app, const SheetGeometry& base) {
  const GridSpan g(base);
  const SheetTexts& t = base.texts();
  WriteCell(app, pair(g.firstDay, SheetGeometry::kDayNameRow), DayName(t, base.dayAt(1)), true);
  WriteCell(app, label(g.firstShift), std::string(t.start), true);
  WriteCell(app, label(base.shiftEndRow(1)), std::string(t.end), true);
  WriteCell(app, label(g.shiftSpacer), "", true);
  SetFont(app, "General", 10, kAuto);
  WriteCell(app, label(g.lunch), std::string(t.lunch), true);
  WriteCell(app, label(base.otherBreaksRow()), std::string(t.otherBreaks), true);
  WriteCell(app, label(g.dailyTotal), std::string(t.total), true);
  WriteCell(app, A1(kLabelColumn + 1, g.totalSpacer), " ", false);
  SetFont(app, "General", 10, kAuto);
  const std::string_view kinds[] = {t.regular, t.overtime, t.sick, t.vacation};
  for (int i = 0; i < 4; ++i) WriteCell(app, label(g.firstHours + i), std::string(kinds[i]), true);
  totalsAndPay(app, base);
}

void DayBlocks(Excel& app, const SheetGeometry& base) {
  for (int position = 1; position <= base.dayCount(); ++position) dayBlock(app, base, position);
}

void GridFormats(Excel& app, const SheetGeometry& base) {
  const GridSpan g(base);
  const int nameRow = SheetGeometry::kDayNameRow;
  const int dateRow = SheetGeometry::kDateRow;
  app.Range(A1(g.firstDay, g.firstShift, g.pay, g.lastHours)).Select();
  SetFont(app, "General", 8, kAuto);
  app.Selection().Font().setSize(8);
  for (const std::string& range : {g.row(dateRow), A1(g.totals, g.lunch, g.pay, g.lastHours),
                                   A1(g.firstDay, g.dailyTotal, g.lastDay, g.lastHours)}) {
    app.Range(range).Select();
    SetFont(app, "General", 9, kAuto);
  }
  app.Columns(ColumnsA1(kLabelColumn + 1, kLabelColumn + 1)).Select();
  AlignSelection(app, xl::Center, xl::Center);
  const HeaderCells header = base.header();
  AlignRange(app, A1(header.addressColumn), xl::Left);
  AlignRange(app, A1(header.nameLines), xl::Left, xl::Center);
  AlignRange(app, A1(header.dateLabels), xl::Right, xl::Center);
  AlignRange(app, A1(header.pastDates), xl::Left, xl::Center);
  AlignRange(app, A1(g.firstDay, nameRow, g.pay, g.lastHours), xl::Center, xl::Center);
  app.Selection().setWrapText(true);
  const int labelEnd = kLabelColumn + 1;
  for (const std::string& range :
       {g.row(nameRow), A1(kLabelColumn, g.firstShift, labelEnd, base.shiftEndRow(1)),
        A1(kLabelColumn, g.lunch, labelEnd, g.dailyTotal),
        A1(kLabelColumn, g.firstHours, labelEnd, g.lastHours)})
    FillInterior(app, range, kBlue);
  FillInterior(app, g.row(dateRow), kGreen);
  SetNumberFormat(app, A1(g.firstDay, g.firstHours, g.lastDay, g.lastHours), "0.00");
  SetFont(app, "Bold", 9, kAuto);
  FillInterior(app, A1(g.totals, g.lunch, g.pay, base.otherBreaksRow()), kGreen);
}

}  // namespace generator::layout
