#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kAuto = xl::ColorAutomatic;
constexpr int kGreen = 52;
constexpr int kBlue = 55;

const char* const kWorkedHours =
    "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1])*24)+24,"
    "(RC[-1]-R[-1]C[-1])*24))";
const char* const kBreakHours =
    "=IF((AND(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]=\"\"),(((R[-1]C[-1]))*24),"
    "(RC[-1]+R[-1]C[-1])*24))";
const char* const kDailyTotal = "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)";
const char* const kAccounting = "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)";

std::string cell(int column, int row) {
  return ColumnLetters(column) + std::to_string(row);
}

std::string pair(int column, int row) {
  return cell(column, row) + ":" + cell(column + 1, row);
}

// Day number start + k, wrapped into 1..7.
int dayAfter(int startDay, int k) {
  const int v = startDay + k;
  return v > 7 ? v - 7 : v;
}

void totalsAndPay(Excel& app) {
  for (const auto& [range, text] :
       {std::pair{"S14:S15", "Total Hours Scheduled"}, std::pair{"T14:T15", "Rate($)"},
        std::pair{"U14:U15", "Total($)"}}) {
    WriteCell(app, range, text, true);
    SetFont(app, "General", 9, kAuto);
  }
  for (int r = 16; r <= 21; ++r) {
    const std::string row = std::to_string(r);
    if (r != 17) {
      WriteCell(app, "S" + row, "=SUM(RC[-15]:RC[-2])", false);
      SetNumberFormat(app, "", "0.00");
      SetFont(app, "Bold", 9, kAuto);
    }
    if (r >= 18) {
      WriteCell(app, "U" + row, "=RC[-2]*RC[-1]", false);
      SetFont(app, "Bold", 8, kAuto);
      SetNumberFormat(app, "", kAccounting);
      SetNumberFormat(app, "T" + row, "$#,##0");
      SetFont(app, "Bold", 9, kAuto);
    }
  }
}

void dayBlock(Excel& app, int startDay, int k) {
  const int left = 5 + 2 * k;
  const int right = left + 1;
  if (k > 0) WriteCell(app, pair(left, 9), DayName(dayAfter(startDay, k)), true);
  WriteCell(app, pair(left, 10), "=IF(R4C18=0,\"\",R4C18+" + std::to_string(k) + ")", true);
  SetNumberFormat(app, "", "m/d/yyyy");
  AttachTimeValidation(app, cell(left, 11));
  AttachTimeValidation(app, cell(left, 12));
  WriteCell(app, cell(right, 11), "Total", false);
  FillInterior(app, "", kGreen);
  WriteCell(app, cell(right, 12), kWorkedHours, false);
  SetNumberFormat(app, "", "0.00");
  AttachBreakValidation(app, cell(left, 14));
  AttachBreakValidation(app, cell(left, 15));
  WriteCell(app, cell(right, 14), "Total", false);
  FillInterior(app, "", kGreen);
  WriteCell(app, cell(right, 15), kBreakHours, false);
  SetNumberFormat(app, "", "0.00");
  WriteCell(app, pair(left, 16), kDailyTotal, true);
  SetNumberFormat(app, "", "0.00");
  SetFont(app, "Bold", 9, kAuto);
  for (int r = 18; r <= 21; ++r) {
    app.Range(pair(left, r)).Select();
    app.Selection().Merge();
  }
}

}  // namespace

std::string DayName(int dayNumber) {
  if (dayNumber < 1 || dayNumber > kDayCount) throw spreadsheet::Error("Subscript out of range");
  return std::string(kDayNames[static_cast<std::size_t>(dayNumber - 1)]);
}

void GridLabelsAndTotals(Excel& app, int startDay) {
  WriteCell(app, "E9:F9", DayName(startDay), true);
  WriteCell(app, "C11:D11", "Start", true);
  WriteCell(app, "C12:D12", "End", true);
  WriteCell(app, "C13:D13", "", true);
  SetFont(app, "General", 10, kAuto);
  WriteCell(app, "C14:D14", "Lunch", true);
  WriteCell(app, "C15:D15", "Other\nBreaks", true);
  WriteCell(app, "C16:D16", "Total", true);
  WriteCell(app, "D17", " ", false);
  SetFont(app, "General", 10, kAuto);
  WriteCell(app, "C18:D18", "Regular", true);
  WriteCell(app, "C19:D19", "Overtime", true);
  WriteCell(app, "C20:D20", "Sick", true);
  WriteCell(app, "C21:D21", "Vacation", true);
  totalsAndPay(app);
}

void DayBlocks(Excel& app, int startDay) {
  for (int k = 0; k < kDayCount; ++k) dayBlock(app, startDay, k);
}

void GridFormats(Excel& app) {
  app.Range("E11:U21").Select();
  SetFont(app, "General", 8, kAuto);
  app.Selection().Font().setSize(8);
  for (const char* range : {"E10:R10", "S14:U21", "E16:R21"}) {
    app.Range(range).Select();
    SetFont(app, "General", 9, kAuto);
  }
  app.Columns("D:D").Select();
  AlignSelection(app, xl::Center, xl::Center);
  AlignRange(app, "D2:D6", xl::Left);
  AlignRange(app, "K4:L5", xl::Left, xl::Center);
  AlignRange(app, "Q4:R5", xl::Right, xl::Center);
  AlignRange(app, "U4:V5", xl::Left, xl::Center);
  AlignRange(app, "E9:U21", xl::Center, xl::Center);
  app.Selection().setWrapText(true);
  for (const char* range : {"E9:R9", "C11:D12", "C14:D16", "C18:D21"})
    FillInterior(app, range, kBlue);
  FillInterior(app, "E10:R10", kGreen);
  SetNumberFormat(app, "E18:R21", "0.00");
  SetFont(app, "Bold", 9, kAuto);
  FillInterior(app, "S14:U15", kGreen);
}

}  // namespace generator::layout
