// Time of the time-sheet layout alone and of the whole generation with the
// save, for the default template and for the largest one.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench/largest_choices.h"
#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "spreadsheet/api/api.h"

namespace {

void layoutOnly(benchmark::State& state, const generator::LayoutChoices& choices) {
  for (auto _ : state) {
    std::shared_ptr<spreadsheet::api::Application> app = spreadsheet::api::Application::create();
    app->Workbooks().Add();
    app->Sheets().Item(1).setName("TimeSheet");
    generator::Generation g(app);
    g.sheet = generator::BuildSheetLayout(*app, 1, choices);
    // The buttons as a generation adds them.
    generator::RunSteps(generator::StepsBetween(generator::BuildSteps(), 144, 146), g, nullptr);
    app->Quit();
  }
}

void layoutAndSave(benchmark::State& state, const generator::LayoutChoices& choices) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("bench.xls").toStdString();
  for (auto _ : state) generator::GenerateWorkbook(choices, path);
}

void BM_LayoutDefault(benchmark::State& state) {
  layoutOnly(state, generator::DefaultLayoutChoices());
}
void BM_LayoutLargest(benchmark::State& state) {
  layoutOnly(state, largestChoices());
}
void BM_GenerateDefault(benchmark::State& state) {
  layoutAndSave(state, generator::DefaultLayoutChoices());
}
void BM_GenerateLargest(benchmark::State& state) {
  layoutAndSave(state, largestChoices());
}

}  // namespace

BENCHMARK(BM_LayoutDefault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateDefault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateLargest)->Unit(benchmark::kMillisecond);
