#include <algorithm>
#include <vector>

#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kGrey = 16;

// The merged week date of row `row`, two columns from the week-start column.
std::string weekDate(const SheetGeometry& g, int row) {
  const int column = g.weekStartCell().column;
  return A1(column, row, column + 1, row);
}

// The header from column N and the manager's signature block move right by w columns.
void widenHeader(Excel& app, const SheetGeometry& base, int w) {
  const int header = SheetGeometry::kHeaderWideningColumn;
  const int top = base.weekStartCell().row, bottom = base.weekEndCell().row;
  app.Range(A1(header, top, header, bottom)).Select();
  for (int i = 0; i < w; ++i) app.Selection().Insert(xl::ShiftToRight);
  app.Range(A1(header, bottom, header + w - 1, bottom)).Select();
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
  SetEdgeBorder(app, xl::EdgeTop, kGrey);
  const int signature = SheetGeometry::kSignatureWideningColumn;
  app.Range(A1(signature, base.signatureLineRow(), signature, base.signatureCaptionRow() + 1))
      .Select();
  for (int i = 0; i < w; ++i) app.Selection().Insert(xl::ShiftToRight);
}

// With five days or fewer the frame is drawn out to its right column again:
// from the margin column after the days to column S.
void extendFrame(Excel& app, const SheetGeometry& firstWeek) {
  app.Range(A1(firstWeek.payColumn() + 1, SheetGeometry::kFrameTopRow, firstWeek.frameRightColumn(),
               firstWeek.frameBottomRow()))
      .Select();
  SetEdgeBorder(app, xl::EdgeRight, kGrey);
  SetEdgeBorder(app, xl::EdgeTop, kGrey);
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
  ClearEdgeBorder(app, xl::InsideVertical);
}

// Rows 7 to 23 of the columns first..last: days in a week's block.
std::string weekBlock(const SheetGeometry& g, int first, int last) {
  return A1(first, SheetGeometry::kWeekTopRow, last, g.weekBottomRow());
}

}  // namespace

void RemoveSwitchedOffDays(Excel& app, const SheetGeometry& base, const SheetGeometry& sheet) {
  // Days go Sunday first; each block is found where the earlier deletions left it.
  std::vector<int> standing = base.days();
  for (int d = 1; d <= kDayCount; ++d) {
    if (std::find(sheet.days().begin(), sheet.days().end(), d) != sheet.days().end()) continue;
    const auto found = std::find(standing.begin(), standing.end(), d);
    const int p = static_cast<int>(found - standing.begin()) + 1;
    const int left = base.dayColumn(p);
    app.Range(weekBlock(base, left, left + 1)).Select();
    app.Selection().Delete(xl::ShiftToLeft);
    standing.erase(found);
  }
  AlignRange(app, weekDate(base, 4), xl::Center);
  AlignRange(app, weekDate(base, 5), xl::Center);
  if (sheet.headerWidening() > 0)
    widenHeader(app, base, sheet.headerWidening());
  else
    extendFrame(app, sheet.firstWeek());
}

void FirstDayEdge(Excel& app, const SheetGeometry& sheet) {
  const int first = sheet.dayColumn(1);
  app.Range(A1(first, SheetGeometry::kDayNameRow, first + 1, SheetGeometry::kDayNameRow)).Select();
  SetEdgeBorder(app, xl::EdgeLeft, xl::ColorAutomatic);
}

void ReplicateWeeks(Excel& app, const SheetGeometry& sheet) {
  const SheetGeometry firstWeek = sheet.firstWeek();
  for (int i = 1; i < sheet.weeks(); ++i) {
    app.Range(weekBlock(firstWeek, firstWeek.dayColumn(1), firstWeek.lastDayColumn())).Select();
    app.Selection().Copy();
    app.Selection().Insert(xl::ShiftToRight);
  }
  // Every copy carries the first week's offsets: each week's dates are written anew.
  for (int week = 1; week <= sheet.weeks(); ++week) {
    for (int position = 1; position <= sheet.dayCount(); ++position) {
      const std::string date = A1(sheet.dayColumn(week, position), SheetGeometry::kDateRow);
      app.Range(date).Select();
      WriteCell(app, date, DateFormula(sheet, week, position), true);
      SetNumberFormat(app, "", DateFormat(sheet.options()));
    }
  }
  if (sheet.weeks() > 1) WidenTotalColumn(app, sheet);
}

void ReplicateShifts(Excel& app, const SheetGeometry& sheet) {
  const int s = sheet.shifts();
  if (s <= 1) return;
  const int top = sheet.shiftStartRow(1);
  const int height = sheet.shiftStartRow(2) - top;
  // The first shift is copied above itself once; then the copies are copied
  // above themselves in doubling runs (1, 2, 4, ... shifts at a time) rather
  // than one shift at a time. The workbook comes out the same, merged areas
  // and validation ranges in the same order: each run appends its copies
  // bottom first, as one-at-a-time copying does. The first shift itself is
  // never part of a run: its rows carry validations of their own, whose
  // ranges would be copied in another order. A handful of inserts, each
  // adjusting every formula of the workbook, replaces one per shift.
  auto copyAboveTop = [&](int count) {
    app.Rows(std::to_string(top) + ":" + std::to_string(top + count * height - 1)).Select();
    app.Selection().Copy();
    app.Selection().Insert(xl::ShiftDown);
  };
  copyAboveTop(1);
  for (int copies = 1; copies < s - 1;) {
    const int take = std::min(copies, s - 1 - copies);
    copyAboveTop(take);
    copies += take;
  }
  const std::string start = " " + std::string(sheet.texts().start);
  for (int shift = s; shift >= 1; --shift)
    WriteCell(app, A1(4, sheet.shiftStartRow(shift)), std::to_string(shift) + start, false);
  // Each daily total copied with its day still counts the first shift only.
  const std::string total = DailyTotalFormula(sheet);
  for (int k = 1; k <= sheet.dayColumnCount(); ++k) {
    const int left = sheet.dayColumn(k);
    const std::string range = A1(left, sheet.dailyTotalRow(), left + 1, sheet.dailyTotalRow());
    app.Range(range).Select();
    WriteCell(app, range, total, true);
  }
}

void MarkerAndPageSetup(Excel& app, const SheetGeometry& sheet) {
  const spreadsheet::CellAddress marker = SheetGeometry::kMarkerCell;
  WriteCell(app, A1(marker.column, marker.row), std::to_string(sheet.markerValue()), true);
  auto page = app.ActiveSheet().PageSetup();
  const spreadsheet::CellRange area = sheet.printArea();
  page.setPrintArea(spreadsheet::toA1(area.first, true, true) + ":" +
                    spreadsheet::toA1(area.last, true, true));
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
  app.Range(A1(SheetGeometry::firstTimeCell())).Select();
}

}  // namespace generator::layout
