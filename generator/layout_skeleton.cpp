#include <functional>

#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kAuto = xl::ColorAutomatic;

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

void ClearToWhiteArial(Excel& app) {
  app.Cells().Select();
  app.Cells().Clear();
  app.Selection().Font().setName("Arial");
  FillInterior(app, "", 2);
  FillInterior(app, "B8:V22", 2);
}

void FrameAndGridBorders(Excel& app) {
  app.Range("B8:V22").Select();
  edges(app, {xl::EdgeLeft, xl::EdgeTop, xl::EdgeBottom, xl::EdgeRight}, 16);

  ignoringErrors([&] { app.Range("C11:R21,E9:R10,S14:U21").Select(); });
  for (int index : {xl::EdgeLeft, xl::EdgeTop, xl::EdgeBottom, xl::EdgeRight})
    ignoringErrors([&] { SetEdgeBorder(app, index, kAuto); });

  app.Range("E9:R9").Select();
  SetFont(app, "Bold", 10, kAuto);
  SetEdgeBorder(app, xl::EdgeBottom, 12);
  SetEdgeBorder(app, xl::InsideVertical, kAuto);
  app.Range("C11:D21").Select();
  SetFont(app, "Bold", 10, kAuto);
  SetEdgeBorder(app, xl::InsideHorizontal, kAuto);
  app.Range("C13:D13").Select();
  edges(app, {xl::EdgeTop, xl::EdgeBottom}, kAuto);

  app.Range("E11:R21").Select();
  edges(app, {xl::InsideVertical, xl::InsideHorizontal}, 13);
  // The spacer rows show no vertical lines.
  app.Range("D17:R17").Select();
  ClearEdgeBorder(app, xl::InsideVertical);
  app.Range("D13:R13").Select();
  ClearEdgeBorder(app, xl::InsideVertical);
  app.Range("E10:R10").Select();
  SetEdgeBorder(app, xl::InsideVertical, kAuto);
  app.Range("S14:U21").Select();
  edges(app, {xl::InsideVertical, xl::InsideHorizontal}, 16);
}

void ColumnWidths(Excel& app) {
  SetColumnWidth(app, "A:A", 0.92);
  SetColumnWidth(app, "B:B", 0.67);
  SetColumnWidth(app, "C:C", 0.58);
  SetColumnWidth(app, "D:D", 7.29);
  SetColumnWidth(app, "E:AX", 7);
}

void WidenTotalColumnForOneWeek(Excel& app, int enabledDays) {
  const std::string letters = ColumnLetters(2 * enabledDays + 5);
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
  app.Rows("1:1").Select();
  FillInterior(app, "", 2);
}

}  // namespace generator::layout
