#include <functional>

#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kAuto = xl::ColorAutomatic;
constexpr int kLabelColumn = SheetGeometry::kLabelColumn;  // C:D
constexpr int kLastSizedColumn = 50;  // AX: the day columns get their width up to here

// B8:V22 in the base drawing.
std::string frame(const SheetGeometry& base) {
  return A1(2, SheetGeometry::kFrameTopRow, base.frameRightColumn(), base.frameBottomRow());
}

void edges(Excel& app, std::initializer_list<int> indexes, int colour) {
  for (int index : indexes) SetEdgeBorder(app, index, colour);
}

// The outline of the three blocks goes on past failures, call by call.
void ignoringErrors(const std::function<void()>& call) {
  try {
    call();
  } catch (const spreadsheet::Error&) {
  }
}

}  // namespace

void InstallPalette(Excel& app, const PaletteTable& palette) {
  auto book = app.ActiveWorkbook();
  for (int i = 1; i <= kPaletteSize; ++i)
    book.setColors(i, palette[static_cast<std::size_t>(i - 1)]);
}

void ClearToWhiteArial(Excel& app, const SheetGeometry& base) {
  app.Cells().Select();
  app.Cells().Clear();
  app.Selection().Font().setName("Arial");
  FillInterior(app, "", 2);
  FillInterior(app, frame(base), 2);
}

void FrameAndGridBorders(Excel& app, const SheetGeometry& base) {
  const GridSpan g(base);
  app.Range(frame(base)).Select();
  edges(app, {xl::EdgeLeft, xl::EdgeTop, xl::EdgeBottom, xl::EdgeRight}, 16);

  const std::string outlines =
      A1(kLabelColumn, g.firstShift, g.lastDay, g.lastHours) + "," +
      A1(g.firstDay, SheetGeometry::kDayNameRow, g.lastDay, SheetGeometry::kDateRow) + "," +
      A1(g.totals, g.lunch, g.pay, g.lastHours);
  ignoringErrors([&] { app.Range(outlines).Select(); });
  for (int index : {xl::EdgeLeft, xl::EdgeTop, xl::EdgeBottom, xl::EdgeRight})
    ignoringErrors([&] { SetEdgeBorder(app, index, kAuto); });

  app.Range(g.row(SheetGeometry::kDayNameRow)).Select();
  SetFont(app, "Bold", 10, kAuto);
  SetEdgeBorder(app, xl::EdgeBottom, 12);
  SetEdgeBorder(app, xl::InsideVertical, kAuto);
  app.Range(A1(kLabelColumn, g.firstShift, kLabelColumn + 1, g.lastHours)).Select();
  SetFont(app, "Bold", 10, kAuto);
  SetEdgeBorder(app, xl::InsideHorizontal, kAuto);
  app.Range(A1(kLabelColumn, g.shiftSpacer, kLabelColumn + 1, g.shiftSpacer)).Select();
  edges(app, {xl::EdgeTop, xl::EdgeBottom}, kAuto);

  app.Range(A1(g.firstDay, g.firstShift, g.lastDay, g.lastHours)).Select();
  edges(app, {xl::InsideVertical, xl::InsideHorizontal}, 13);
  // The spacer rows show no vertical lines.
  for (int spacer : {g.totalSpacer, g.shiftSpacer}) {
    app.Range(A1(kLabelColumn + 1, spacer, g.lastDay, spacer)).Select();
    ClearEdgeBorder(app, xl::InsideVertical);
  }
  app.Range(g.row(SheetGeometry::kDateRow)).Select();
  SetEdgeBorder(app, xl::InsideVertical, kAuto);
  app.Range(A1(g.totals, g.lunch, g.pay, g.lastHours)).Select();
  edges(app, {xl::InsideVertical, xl::InsideHorizontal}, 16);
}

void ColumnWidths(Excel& app, const SheetGeometry& base) {
  struct ColumnWidth {
    const char* columns;
    double characters;
  };
  static constexpr ColumnWidth kWidths[] = {
      {"A:A", 0.92}, {"B:B", 0.67}, {"C:C", 0.58}, {"D:D", 7.29}};
  for (const auto& w : kWidths) SetColumnWidth(app, w.columns, w.characters);
  const std::string first = ColumnLetters(base.dayColumn(1));
  SetColumnWidth(app, first + ":" + ColumnLetters(kLastSizedColumn), 7);
}

void WidenTotalColumn(Excel& app, const SheetGeometry& sheet) {
  const std::string letters = ColumnLetters(sheet.totalHoursColumn());
  SetColumnWidth(app, letters + ":" + letters, 700.0 / 75.0);
}

void RowHeights(Excel& app) {
  struct RowHeight {
    const char* rows;
    double points;
  };
  static constexpr RowHeight kHeights[] = {
      {"1:1", 36},      {"2:2", 21.75},   {"3:3", 8.25},    {"4:6", 20},      {"7:7", 20.25},
      {"8:8", 5.25},    {"9:9", 20},      {"10:10", 20},    {"11:11", 32},    {"12:12", 32},
      {"13:13", 12},    {"14:14", 32},    {"15:15", 32},    {"16:16", 20},    {"17:17", 12},
      {"18:19", 20},    {"20:20", 20},    {"21:21", 20},    {"22:22", 5.25},  {"23:23", 12.75},
      {"24:24", 39.75}, {"25:25", 12.75}, {"26:26", 17.25}, {"27:27", 12.75}, {"28:70", 12.75}};
  for (const auto& h : kHeights) SetRowHeight(app, h.rows, h.points);
  app.Rows(RowsA1(SheetGeometry::kTitleRow, SheetGeometry::kTitleRow)).Select();
  FillInterior(app, "", 2);
}

}  // namespace generator::layout
