// Inserting and deleting cells on a sheet full of formulas: every formula of
// the workbook is adjusted, then the workbook is recalculated.
#include <benchmark/benchmark.h>

#include "spreadsheet/api/api.h"
#include "spreadsheet/edit/shift.h"
#include "spreadsheet/formula/formula.h"

namespace {

using namespace spreadsheet;

// 1,000 rows by 10 columns of formulas: each refers to the cell above and
// to the row's first column, so a shift touches references of every kind.
void fillFormulas(Worksheet& sheet, int rows = 1000, int columns = 10) {
  for (int r = 1; r <= rows; ++r) {
    sheet.cell({r, 1}).value = r;
    for (int c = 2; c <= columns + 1; ++c) {
      const char* text = r == 1 ? "=RC1*2" : "=R[-1]C+RC1";
      sheet.cell({r, c}).formula = formula::parse(text, formula::Notation::R1C1, {r, c});
    }
  }
}

void BM_InsertThenDeleteRows(benchmark::State& state) {
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  fillFormulas(sheet);
  const CellRange rows = CellRange::of(500, 1, 501, kMaxColumns);
  for (auto _ : state) {
    edit::insertCells(sheet, rows, edit::Shift::Down);
    edit::deleteCells(sheet, rows, edit::Shift::Up);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_InsertThenDeleteRows)->Unit(benchmark::kMillisecond);

void BM_InsertCellsRightAndRecalculate(benchmark::State& state) {
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  fillFormulas(sheet);
  const CellRange block = CellRange::of(1, 3, 1000, 4);
  for (auto _ : state) {
    edit::insertCells(sheet, block, edit::Shift::Right);
    formula::recalculate(book);
    edit::deleteCells(sheet, block, edit::Shift::Left);
  }
}
BENCHMARK(BM_InsertCellsRightAndRecalculate)->Unit(benchmark::kMillisecond);

void BM_RecalculateOnly(benchmark::State& state) {
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  fillFormulas(sheet);
  for (auto _ : state) formula::recalculate(book);
}
BENCHMARK(BM_RecalculateOnly)->Unit(benchmark::kMillisecond);

// The same through the automation objects: copy two rows, insert them, read
// a value (which recalculates).
void BM_ApiCopyInsertRowsAndRead(benchmark::State& state) {
  auto app = api::Application::create();
  api::Workbook book = app->Workbooks().Add();
  fillFormulas(book.model().sheet(0));
  for (auto _ : state) {
    app->Rows("11:12").Select();
    app->Selection().Copy();
    app->Selection().Insert(xl::ShiftDown);
    benchmark::DoNotOptimize(app->Range("K1000").Value());
    app->setCutCopyMode(false);
    app->Rows("11:12").Delete(xl::ShiftUp);
  }
  app->Quit();
}
BENCHMARK(BM_ApiCopyInsertRowsAndRead)->Unit(benchmark::kMillisecond);

// The pattern of a many-shift template: a bordered block of 60 rows by 56
// columns whose row pairs hold formulas, and the pair in rows 11:12 copied
// and inserted 19 times. Each insert adjusts every formula below it and
// joins the borders around the new rows.
void BM_ApiInsertCopiedRowPairs(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto app = api::Application::create();
    api::Workbook book = app->Workbooks().Add();
    Worksheet& sheet = book.model().sheet(0);
    fillFormulas(sheet, 60, 56);
    app->Range("B5:BE64").Select();
    app->Selection().Borders(xl::InsideHorizontal).setLineStyle(xl::Continuous);
    app->Selection().Borders(xl::EdgeBottom).setWeight(xl::Medium);
    state.ResumeTiming();
    for (int i = 0; i < 19; ++i) {
      app->Rows("11:12").Select();
      app->Selection().Copy();
      app->Selection().Insert(xl::ShiftDown);
    }
    benchmark::DoNotOptimize(app->Range("K60").Value());
    state.PauseTiming();
    app->Quit();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ApiInsertCopiedRowPairs)->Unit(benchmark::kMillisecond);

}  // namespace
