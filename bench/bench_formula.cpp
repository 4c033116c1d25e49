// Formula engine speed: parsing and printing the formulas the time-sheet
// layout writes, and recalculating sheets of 10,000 formula cells.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"

namespace {

using spreadsheet::CellAddress;
using spreadsheet::Workbook;
using spreadsheet::formula::Notation;

const std::vector<std::string> kLayoutFormulas = {
    "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1])*24)+24,"
    "(RC[-1]-R[-1]C[-1])*24))",
    "=IF((AND(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]=\"\"),(((R[-1]C[-1]))*24),(RC[-1]+R[-1]"
    "C[-1])*24))",
    "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)",
    "=SUM(RC[-15]:RC[-2])",
    "=RC[-2]*RC[-1]",
    "=IF(R4C18=0,\"\",R4C18+6)",
    "=TimeSheet!R201C29:R295C29",
    "=Time0",
};

void BM_ParsePrintLayoutFormulas(benchmark::State& state) {
  const CellAddress at{20, 20};
  for (auto _ : state) {
    for (const std::string& text : kLayoutFormulas) {
      auto tree = spreadsheet::formula::parse(text, Notation::R1C1, at);
      benchmark::DoNotOptimize(spreadsheet::formula::print(tree, Notation::R1C1, at));
      benchmark::DoNotOptimize(spreadsheet::formula::print(tree, Notation::A1, at));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(kLayoutFormulas.size()));
}
BENCHMARK(BM_ParsePrintLayoutFormulas);

// Day blocks of the layout (date, hours, break hours, daily total), four
// formula cells each, over times and breaks: 175 blocks are about the
// largest generated sheet, 2,500 blocks are 10,000 formula cells.
void fillDayBlocks(Workbook& book, int blocks) {
  auto& sheet = book.addSheet("TimeSheet");
  sheet.cell({4, 18}).value = 38501.0;
  auto put = [&](CellAddress at, const std::string& text) {
    sheet.cell(at).formula = spreadsheet::formula::parse(text, Notation::R1C1, at);
  };
  for (int k = 0; k < blocks; ++k) {
    int top = 10 + 8 * (k / 50);
    int left = 5 + 2 * (k % 50);
    put({top, left}, "=IF(R4C18=0,\"\",R4C18+" + std::to_string(k % 7) + ")");
    sheet.cell({top + 1, left}).value = (7.0 + k % 3) / 24;
    sheet.cell({top + 2, left}).value = (16.0 + k % 5) / 24;
    sheet.cell({top + 4, left}).value = 0.5 / 24;
    put({top + 2, left + 1}, kLayoutFormulas[0]);
    put({top + 5, left + 1}, kLayoutFormulas[1]);
    put({top + 6, left}, kLayoutFormulas[2]);
  }
}

void BM_RecalculateDayBlocks(benchmark::State& state) {
  Workbook book;
  fillDayBlocks(book, static_cast<int>(state.range(0)));
  for (auto _ : state) spreadsheet::formula::recalculate(book);
  state.SetItemsProcessed(state.iterations() * 4 * state.range(0));
}
BENCHMARK(BM_RecalculateDayBlocks)->Arg(175)->Arg(2500)->Unit(benchmark::kMillisecond);

// The floor under recalculation: visiting every node of the same 10,000
// trees once, doing nothing else. The trees are far larger than the caches,
// so recalculation (which reads each tree twice) is bound by memory.
int countNodes(const spreadsheet::FormulaNode& node) {
  int n = 1;
  for (const auto& child : node.children) n += countNodes(child);
  return n;
}

void BM_VisitDayBlockTrees(benchmark::State& state) {
  Workbook book;
  fillDayBlocks(book, 2500);
  for (auto _ : state) {
    int nodes = 0;
    for (const auto& [at, cell] : book.sheet(0).cells())
      if (cell.formula) nodes += countNodes(*cell.formula);
    benchmark::DoNotOptimize(nodes);
  }
}
BENCHMARK(BM_VisitDayBlockTrees)->Unit(benchmark::kMillisecond);

// One chain of 10,000 formulas, each reading the one before it.
void BM_RecalculateChain(benchmark::State& state) {
  Workbook book;
  auto& sheet = book.addSheet("Chain");
  sheet.cell({1, 1}).value = 1.0;
  for (int r = 2; r <= 10001; ++r)
    sheet.cell({r, 1}).formula = spreadsheet::formula::parse("=R[-1]C+1", Notation::R1C1, {r, 1});
  for (auto _ : state) spreadsheet::formula::recalculate(book);
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_RecalculateChain)->Unit(benchmark::kMillisecond);

}  // namespace
