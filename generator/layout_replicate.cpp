#include <algorithm>
#include <cctype>

#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kGrey = 16;
// Characters before the day offset in "=IF(R4C18=0,"",R4C18+k)".
constexpr std::size_t kOffsetPosition = 21;
constexpr int kMaxTotalPairs = 996;

std::string cell(int column, int row) {
  return ColumnLetters(column) + std::to_string(row);
}

std::string pair(int column, int row) {
  return cell(column, row) + ":" + cell(column + 1, row);
}

std::string dateFormula(int startColumn, int offset) {
  const std::string start = "R4C" + std::to_string(startColumn);
  return "=IF(" + start + "=0,\"\"," + start + "+" + std::to_string(offset) + ")";
}

// The header from column N and the manager's signature block move right by w columns.
void widenHeader(Excel& app, int w) {
  app.Range("N4:N5").Select();
  for (int i = 0; i < w; ++i) app.Selection().Insert(xl::ShiftToRight);
  app.Range("N5:" + ColumnLetters(13 + w) + "5").Select();
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
  SetEdgeBorder(app, xl::EdgeTop, kGrey);
  app.Range("K24:K26").Select();
  for (int i = 0; i < w; ++i) app.Selection().Insert(xl::ShiftToRight);
}

// With five days or fewer the frame is drawn out to column S again.
void extendFrame(Excel& app, int n) {
  app.Range(ColumnLetters(2 * n + 8) + "8:S22").Select();
  SetEdgeBorder(app, xl::EdgeRight, kGrey);
  SetEdgeBorder(app, xl::EdgeTop, kGrey);
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
  ClearEdgeBorder(app, xl::InsideVertical);
}

// The day offset the date formula of the active cell carries (its digit after "...+").
int currentOffset(Excel& app) {
  const std::string formula = app.ActiveCell().FormulaR1C1();
  if (formula.size() <= kOffsetPosition) return 0;
  const char c = formula[kOffsetPosition];
  return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0;
}

}  // namespace

int WeekStartColumn(int enabledDays) {
  if (enabledDays == 7) return 21;
  if (enabledDays == 6) return 19;
  return 18;
}

void RemoveSwitchedOffDays(Excel& app, const DayChoiceTable& days, LayoutState& state) {
  state.EnabledDayCount = kDayCount;
  std::array<int, kDayCount> working{1, 2, 3, 4, 5, 6, 7};
  for (int d = 1; d <= kDayCount; ++d) {
    if (days[static_cast<std::size_t>(d - 1)]) continue;
    const auto found = std::find(state.EnabledDays.begin(), state.EnabledDays.end(), d);
    const int p = static_cast<int>(found - state.EnabledDays.begin()) + 1;
    app.Range(ColumnLetters(5 + 2 * (p - 1)) + "7:" + ColumnLetters(6 + 2 * (p - 1)) + "23")
        .Select();
    app.Selection().Delete(xl::ShiftToLeft);
    --state.EnabledDayCount;
    working[static_cast<std::size_t>(d - 1)] = 0;
    state.EnabledDays.clear();
    for (int day : working)
      if (day != 0) state.EnabledDays.push_back(day);
  }
  AlignRange(app, "R4:S4", xl::Center);
  AlignRange(app, "R5:S5", xl::Center);
  const int n = state.EnabledDayCount;
  if (n >= 6)
    widenHeader(app, n == 6 ? 1 : 3);
  else
    extendFrame(app, n);
}

void FirstDayEdge(Excel& app) {
  app.Range("E9:F9").Select();
  SetEdgeBorder(app, xl::EdgeLeft, xl::ColorAutomatic);
}

void ReplicateWeeks(Excel& app, const LayoutState& state) {
  const int n = state.EnabledDayCount;
  const int weeks = state.WeekCount;
  for (int i = 1; i < weeks; ++i) {
    app.Range("E7:" + ColumnLetters(2 * n + 4) + "23").Select();
    app.Selection().Copy();
    app.Selection().Insert(xl::ShiftToRight);
  }
  const int startColumn = WeekStartColumn(n);
  for (int k = 1; k <= weeks; ++k) {
    const int first = 5 + 2 * n * (k - 1);
    for (int i = 1; i <= n; ++i) {
      const std::string date = cell(first + 2 * (i - 1), 10);
      app.Range(date).Select();
      const int offset = currentOffset(app) + 7 * (k - 1);
      WriteCell(app, date, dateFormula(startColumn, offset), true);
      SetNumberFormat(app, "", "m/d/yyyy");
    }
  }
  if (weeks > 1) {
    const std::string total = ColumnLetters(2 * n * weeks + 5);
    SetColumnWidth(app, total + ":" + total, 700.0 / 75.0);
  }
}

void ReplicateShifts(Excel& app, const LayoutState& state) {
  const int s = state.ShiftCount;
  for (int j = 1; j < s; ++j) {
    WriteCell(app, "D11", std::to_string(s - j + 1) + " Start", false);
    app.Rows("11:12").Select();
    app.Selection().Copy();
    app.Selection().Insert(xl::ShiftDown);
  }
  if (s <= 1) return;
  WriteCell(app, "D11", "1 Start", false);
  const int row = 2 * s + 14;
  const std::string total = "=SUMIF(R[-" + std::to_string(2 * s + 2) +
                            "]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)";
  for (int i = 0, column = 5; i < kMaxTotalPairs; ++i, column += 2) {
    const std::string range = pair(column, row);
    app.Range(range).Select();
    std::string head = app.ActiveCell().FormulaR1C1().substr(0, 6);
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (head != "=SUMIF") break;
    WriteCell(app, range, total, true);
  }
}

void MarkerAndPageSetup(Excel& app, const LayoutState& state) {
  const int n = state.EnabledDayCount;
  const int s = state.ShiftCount;
  WriteCell(app, "BC200", std::to_string(2 * s + 19), true);
  auto page = app.ActiveSheet().PageSetup();
  page.setPrintArea("$A$1:$" + ColumnLetters(21 + 2 * n * (state.WeekCount - 1)) + "$" +
                    std::to_string(26 + 2 * (s - 1)));
  page.setLeftMargin(app.InchesToPoints(0.787401575));
  page.setRightMargin(app.InchesToPoints(0.787401575));
  page.setTopMargin(app.InchesToPoints(0.984251969));
  page.setBottomMargin(app.InchesToPoints(0.984251969));
  page.setHeaderMargin(app.InchesToPoints(0.5));
  page.setFooterMargin(app.InchesToPoints(0.5));
  page.setPrintComments(xl::PrintNoComments);
  page.setOrientation(xl::Landscape);
  page.setPaperSize(xl::PaperA4);
  page.setZoom(std::nullopt);
  page.setFitToPagesWide(1);
  page.setFitToPagesTall(1);
  app.Range("E11").Select();
}

}  // namespace generator::layout
