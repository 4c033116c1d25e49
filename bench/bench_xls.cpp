// Writing and reading a time-sheet-sized workbook: about 5,000 cells, 700 of them formulas;
// and the largest generated template (7 days, 4 weeks, 20 shifts) written and read back.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "bench/largest_choices.h"
#include "generator/generate_workbook.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

using namespace spreadsheet;

FormulaNode ref(int row, int column) {
  FormulaNode n;
  n.kind = FormulaKind::Cell;
  n.first = n.last = {row, column, true, true};
  return n;
}

FormulaNode op(const char* o, FormulaNode a, FormulaNode b) {
  FormulaNode n;
  n.kind = FormulaKind::Binary;
  n.text = o;
  n.children = {std::move(a), std::move(b)};
  return n;
}

std::unique_ptr<Workbook> timeSheet() {
  auto book = std::make_unique<Workbook>();
  Worksheet& s = book->addSheet("Time Sheet");
  Style bordered;
  bordered.borders[kBottom] = {xl::Continuous, xl::Thin, xl::ColorAutomatic};
  bordered.numberFormat = "h:mm";
  StyleId id = book->styles().intern(bordered);
  int formulas = 0;
  for (int r = 1; r <= 250; ++r) {
    for (int c = 1; c <= 20; ++c) {
      Cell& cell = s.cell({r, c});
      cell.style = (c % 3 == 0) ? id : 0;
      if (c == 20 && r <= 250 && formulas < 700) {
        FormulaNode sum;
        sum.kind = FormulaKind::Function;
        sum.text = "SUM";
        FormulaNode area = ref(r, 1);
        area.kind = FormulaKind::Area;
        area.last = {r, 19, true, true};
        sum.children = {area};
        cell.formula = sum;
        cell.value = 1.0;
        ++formulas;
      } else if ((c == 18 || c == 19) && formulas < 700) {
        FormulaNode iff;
        iff.kind = FormulaKind::Function;
        iff.text = "IF";
        iff.children = {op(">", ref(r, c - 2), ref(r, c - 1)),
                        op("-", ref(r, c - 2), ref(r, c - 1)), ref(r, 1)};
        cell.formula = iff;
        cell.value = 0.5;
        ++formulas;
      } else if (c % 2 == 0) {
        cell.value = "Shift " + std::to_string((r * 7 + c) % 300);
      } else {
        cell.value = r * 0.01 + c;
      }
    }
  }
  for (int c = 1; c <= 20; ++c) s.line(Axis::Columns, c).size = 9.33;
  return book;
}

void BM_WriteWorkbook(benchmark::State& state) {
  auto book = timeSheet();
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto file = xls::writeWorkbook(*book);
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["cells"] = static_cast<double>(book->sheet(0).cells().size());
}
BENCHMARK(BM_WriteWorkbook)->Unit(benchmark::kMillisecond);

void BM_ReadWorkbook(benchmark::State& state) {
  auto file = xls::writeWorkbook(*timeSheet());
  for (auto _ : state) {
    auto book = xls::readWorkbook(file);
    benchmark::DoNotOptimize(book.get());
  }
}
BENCHMARK(BM_ReadWorkbook)->Unit(benchmark::kMillisecond);

// The largest template's file bytes, generated once.
const std::vector<std::uint8_t>& largestFile() {
  static const std::vector<std::uint8_t> bytes = [] {
    QTemporaryDir dir;
    std::string path = dir.filePath("largest.xls").toStdString();
    generator::GenerateWorkbook(largestChoices(), path);
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  }();
  return bytes;
}

void BM_WriteLargest(benchmark::State& state) {
  auto book = xls::readWorkbook(largestFile());
  for (auto _ : state) {
    auto file = xls::writeWorkbook(*book);
    benchmark::DoNotOptimize(file.data());
  }
}
BENCHMARK(BM_WriteLargest)->Unit(benchmark::kMillisecond);

void BM_ReadLargest(benchmark::State& state) {
  const auto& file = largestFile();
  for (auto _ : state) {
    auto book = xls::readWorkbook(file);
    benchmark::DoNotOptimize(book.get());
  }
}
BENCHMARK(BM_ReadLargest)->Unit(benchmark::kMillisecond);

}  // namespace
