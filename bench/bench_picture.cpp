// The picture of a time-sheet-sized used range: 60 columns by 300 rows with
// merged day blocks, bordered time cells, formatted times and totals, filled
// headers, the lists far below and a column of buttons.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <functional>
#include <string>

#include "spreadsheet/io/large_block.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/sheet_picture.h"

namespace {

using namespace spreadsheet;

StyleId styleOf(Workbook& book, const std::function<void(Style&)>& edit) {
  Style s = book.styles().get(0);
  edit(s);
  return book.styles().intern(s);
}

void setBox(Style& s) {
  for (int slot : {kLeft, kTop, kBottom, kRight})
    s.borders[static_cast<std::size_t>(slot)] = {xl::Continuous, xl::Thin, xl::ColorAutomatic};
}

struct Styles {
  StyleId title, header, day, time, hours, total, list;
  explicit Styles(Workbook& book)
      : title(styleOf(book,
                      [](Style& s) {
                        s.font = {"Arial", 14, true};
                        s.horizontalAlignment = xl::Center;
                      })),
        header(styleOf(book,
                       [](Style& s) {
                         s.font = {"Arial", 9, true};
                         s.fillColorIndex = 15;
                         s.horizontalAlignment = xl::Center;
                         s.wrapText = true;
                         setBox(s);
                       })),
        day(styleOf(book,
                    [](Style& s) {
                      s.font = {"Arial", 9, true};
                      s.verticalAlignment = xl::Center;
                      s.horizontalAlignment = xl::Center;
                      setBox(s);
                    })),
        time(styleOf(book,
                     [](Style& s) {
                       s.font = {"Arial", 8};
                       s.numberFormat = "[$-409]h:mm AM/PM;@";
                       setBox(s);
                     })),
        hours(styleOf(book,
                      [](Style& s) {
                        s.numberFormat = "0.00";
                        setBox(s);
                      })),
        total(styleOf(book,
                      [](Style& s) {
                        s.font = {"Arial", 9, true};
                        s.numberFormat = "0.00";
                        s.fillColorIndex = 36;
                        s.borders[kBottom] = {xl::Double, xl::Thick, xl::ColorAutomatic};
                      })),
        list(styleOf(book, [](Style& s) { s.numberFormat = "h:mm AM/PM"; })) {}
};

void putCell(Worksheet& sheet, int row, int col, CellValue v, StyleId style) {
  Cell& c = sheet.cell({row, col});
  c.value = std::move(v);
  c.style = style;
}

void buildWeekBlocks(Worksheet& sheet, const Styles& st) {
  for (int block = 0; block < 16; ++block) {
    const int top = 8 + block * 12;
    sheet.mergedAreas().push_back(CellRange::of(top, 1, top + 10, 2));
    putCell(sheet, top, 1, "Week " + std::to_string(block + 1), st.day);
    for (int col = 3; col <= 58; ++col) {
      const bool dayColumn = (col - 3) % 8 == 0;
      for (int row = top; row < top + 11; ++row) {
        if (dayColumn && row == top) {
          sheet.mergedAreas().push_back(CellRange::of(top, col, top, col + 1));
          putCell(sheet, row, col, "Monday", st.header);
        } else if (row == top + 10) {
          putCell(sheet, row, col, 7.75 + col % 3, st.total);
        } else {
          putCell(sheet, row, col, (6.0 + (row + col) % 12) / 24, (col % 2) ? st.time : st.hours);
        }
      }
    }
  }
}

void buildSheet(Worksheet& sheet) {
  Workbook& book = sheet.workbook();
  const Styles st(book);
  for (int col = 1; col <= 60; ++col)
    sheet.line(Axis::Columns, col).size = col % 8 == 0 ? 0.92 : 7.29;
  for (int row = 8; row <= 200; row += 12) sheet.line(Axis::Rows, row).size = 21.75;
  sheet.line(Axis::Rows, 1).size = 36;
  sheet.mergedAreas().push_back(CellRange::of(1, 1, 1, 20));
  putCell(sheet, 1, 1, "Weekly Time Sheet for the whole team", st.title);
  buildWeekBlocks(sheet, st);
  for (int row = 201; row <= 295; ++row) {
    putCell(sheet, row, 29, (6.0 + (row - 201) * 0.25) / 24, st.list);
    putCell(sheet, row, 30, (row - 200) * 5.0 / 1440, st.list);
  }
  putCell(sheet, 300, 60, "end", 0);
  for (int i = 0; i < 16; ++i) {
    Button b;
    b.id = i + 1;
    b.left = 700;
    b.top = 100 + i * 150;
    b.width = 75;
    b.height = 20;
    b.text = "Same as Previous";
    b.runs = {FontRun{0, "Arial", 8}};
    sheet.buttons().push_back(b);
  }
}

// Fonts need the graphical application object; the offscreen platform needs no display.
void ensureGuiApplication() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_picture";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

void BM_PictureOfTimeSheetRange(benchmark::State& state) {
  ensureGuiApplication();
  Workbook book;
  Worksheet& sheet = book.addSheet("TimeSheet");
  buildSheet(sheet);
  const CellRange range = CellRange::of(1, 1, 300, 60);
  for (auto _ : state) {
    QImage image = picture::renderRange(sheet, range);
    benchmark::DoNotOptimize(image.constBits());
  }
  const QImage image = picture::renderRange(sheet, range);
  state.counters["megapixels"] = image.width() * image.height() / 1e6;
  state.counters["width"] = image.width();
  state.counters["height"] = image.height();
  state.counters["cells"] = static_cast<double>(sheet.cells().size());
}
BENCHMARK(BM_PictureOfTimeSheetRange)->Unit(benchmark::kMillisecond);

// The size of the time sheet's picture, for the floors below.
QSize timeSheetPictureSize() {
  ensureGuiApplication();
  Workbook book;
  Worksheet& sheet = book.addSheet("TimeSheet");
  buildSheet(sheet);
  return picture::renderRange(sheet, CellRange::of(1, 1, 300, 60)).size();
}

// The floor: a new white image of the same size, without any drawing.
void BM_BlankImageOfSameSize(benchmark::State& state) {
  const QSize size = timeSheetPictureSize();
  for (auto _ : state) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BlankImageOfSameSize)->Unit(benchmark::kMillisecond);

// The same floor in the memory the picture itself is drawn into.
void BM_BlankLargeBlockOfSameSize(benchmark::State& state) {
  const QSize size = timeSheetPictureSize();
  const auto bytes = static_cast<std::size_t>(size.width()) * size.height() * 4;
  for (auto _ : state) {
    auto* pixels = static_cast<uchar*>(io::allocateLargeBlock(bytes));
    QImage image(pixels, size.width(), size.height(), QImage::Format_RGB32, io::releaseLargeBlock,
                 pixels);
    image.fill(Qt::white);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BlankLargeBlockOfSameSize)->Unit(benchmark::kMillisecond);

}  // namespace
