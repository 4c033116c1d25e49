// Cost of each stage of `tallyloom generate` with its outputs: the layout, the
// layout with the save, saving and reading the workbook back, the picture of
// the used range and the PDF of the print area, for the default template and
// for the largest one (7 days, 4 weeks, 20 shifts).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "app/command_line_outputs.h"
#include "bench/largest_choices.h"
#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/picture/page_pdf.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

namespace api = spreadsheet::api;

const generator::LayoutChoices& choicesOf(const benchmark::State& state) {
  static const generator::LayoutChoices defaults = generator::DefaultLayoutChoices();
  static const generator::LayoutChoices largest = largestChoices();
  return state.range(0) == 0 ? defaults : largest;
}

// Fonts need the graphical application object, as on the command line.
void ensureGuiApplication() {
  static int argc = 1;
  static char name[] = "bench_outputs";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QCoreApplication> app =
      tallyloom::makeCommandLineApplication(argc, argv, &tallyloom::commandLineDrawing());
}

// The generated workbook, written once per choice and read back as the
// command line reads it before drawing.
struct Generated {
  QTemporaryDir dir;
  std::string path;
  std::unique_ptr<spreadsheet::Workbook> book;
};

const Generated& generated(const benchmark::State& state) {
  static Generated cache[2];
  Generated& g = cache[state.range(0)];
  if (!g.book) {
    g.path = g.dir.filePath("bench.xls").toStdString();
    generator::GenerateWorkbook(choicesOf(state), g.path);
    g.book = spreadsheet::xls::openWorkbook(g.path);
  }
  return g;
}

// From the template to the finished sheet with its buttons, nothing saved.
void BM_Layout(benchmark::State& state) {
  QTemporaryDir dir;
  const generator::LayoutChoices choices = choicesOf(state);
  for (auto _ : state) {
    std::shared_ptr<api::Application> app;
    generator::Generation g(app);
    g.templatePath = dir.filePath("template.xls").toStdString();
    g.choices = [&] { return choices; };
    generator::RunSteps(generator::BuildSteps(), g, nullptr);
    app->Quit();
  }
}

// What `tallyloom generate --output FILE` does.
void BM_LayoutAndSave(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("bench.xls").toStdString();
  for (auto _ : state) generator::GenerateWorkbook(choicesOf(state), path);
}

void BM_SaveAndOpen(benchmark::State& state) {
  const Generated& g = generated(state);
  QTemporaryDir dir;
  const std::string path = dir.filePath("again.xls").toStdString();
  for (auto _ : state) {
    spreadsheet::xls::saveWorkbook(*g.book, path);
    auto book = spreadsheet::xls::openWorkbook(path);
    benchmark::DoNotOptimize(book.get());
  }
}

void BM_Picture(benchmark::State& state) {
  ensureGuiApplication();
  const spreadsheet::Worksheet& sheet = generated(state).book->sheet(0);
  const spreadsheet::CellRange used = *sheet.usedRange();
  QImage image;
  for (auto _ : state) {
    image = spreadsheet::picture::renderRange(sheet, used);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["megapixels"] = image.width() * image.height() / 1e6;
}

// The picture as the command line writes it: drawn, then encoded as PNG.
void BM_PictureToPng(benchmark::State& state) {
  ensureGuiApplication();
  const spreadsheet::Worksheet& sheet = generated(state).book->sheet(0);
  QTemporaryDir dir;
  const std::string path = dir.filePath("bench.png").toStdString();
  for (auto _ : state)
    if (!spreadsheet::picture::savePicture(
            spreadsheet::picture::renderRange(sheet, *sheet.usedRange()), path))
      state.SkipWithError("the picture was not written");
}

void BM_Pdf(benchmark::State& state) {
  ensureGuiApplication();
  const spreadsheet::Worksheet& sheet = generated(state).book->sheet(0);
  QTemporaryDir dir;
  const std::string path = dir.filePath("bench.pdf").toStdString();
  for (auto _ : state) spreadsheet::picture::savePagePdf(sheet, path);
}

}  // namespace

// Argument 0: the default template (Monday to Friday, 1 week, 1 shift);
// argument 1: the largest (7 days, 4 weeks, 20 shifts).
BENCHMARK(BM_Layout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAndSave)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAndOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Picture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureToPng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
