// The preview window on the offscreen platform, with the largest template
// (7 days, 4 weeks, 20 shifts):
//   BM_ZoomStep/1           one "Zoom Out" step on the picture of the used
//                           range, with the visible canvas painted into an
//                           image of the viewport's size
//   BM_ScrollStep/1         one step down the vertical scroll bar, painted
//                           the same way, going on down the sheet
//   BM_GenerateToPreview/1  the desktop driver from the click on "Start
//                           Creating Template" to the preview window shown
//                           with its canvas painted
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

#include "bench/largest_choices.h"
#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "platform/fake_dialogs.h"
#include "platform/folders.h"
#include "platform/program_end.h"
#include "platform/settings_store.h"
#include "preview/form2.h"
#include "shell/form1.h"
#include "spreadsheet/picture/picture_file.h"
#include "spreadsheet/picture/picture_source.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

void ensureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_preview";
  static char* argv[] = {name, nullptr};
  // Never destroyed: widgets' statics may outlive it at exit.
  static QApplication* app = new QApplication(argc, argv);
  benchmark::DoNotOptimize(app);
}

// Folders, settings and dialogs of the program's own, as the desktop tests set them.
// TEMP is given back at the end: the benchmarks after this one write working files
// there, and the folder set here is gone by then.
struct Desktop {
  QTemporaryDir temp, settings, program;
  platform::FakeDialogs dialogs;
  std::unique_ptr<platform::IniSettingsStore> store;
  const bool hadTemp = qEnvironmentVariableIsSet("TEMP");
  const QByteArray oldTemp = qgetenv("TEMP");
  Desktop() {
    qputenv("TEMP", temp.path().toUtf8());
    platform::setProgramFolderForTesting(program.path());
    store = std::make_unique<platform::IniSettingsStore>(settings.path());
    platform::setSettingsStore(store.get());
    platform::setProgramEndHandlerForTesting([] {});
  }
  ~Desktop() {
    platform::setProgramEndHandlerForTesting(nullptr);
    platform::setSettingsStore(nullptr);
    platform::setProgramFolderForTesting({});
    if (hadTemp)
      qputenv("TEMP", oldTemp);
    else
      qunsetenv("TEMP");
  }
};

std::shared_ptr<spreadsheet::Workbook> largestWorkbook() {
  QTemporaryDir dir;
  const std::string path = dir.filePath("largest.xls").toStdString();
  generator::GenerateWorkbook(largestChoices(), path);
  return spreadsheet::xls::openWorkbook(path);
}

QImage largestPicture() {
  const auto book = largestWorkbook();
  const spreadsheet::Worksheet& sheet = book->sheet(0);
  return spreadsheet::picture::renderRange(sheet, *sheet.usedRange());
}

// The picture as the desktop driver hands it to the preview: drawn as seen.
preview::PictureSourcePtr largestSource() {
  const auto book = largestWorkbook();
  const spreadsheet::Worksheet& sheet = book->sheet(0);
  return spreadsheet::picture::rangeSource(book, sheet, *sheet.usedRange());
}

// What the window shows of the canvas: the viewport box with the canvas in it.
QImage paintedViewport(preview::Form2& form) {
  QWidget& viewport = *form.View()->viewport();
  QImage image(viewport.size(), QImage::Format_RGB32);
  viewport.render(&image);
  return image;
}

// The preview window shown with the largest picture, as the driver leaves it.
struct ShownPreview {
  Desktop desktop;
  preview::Form2 form;
  ShownPreview() {
    form.setPicture(largestSource());
    form.show();
  }
};

void BM_ZoomStep(benchmark::State& state) {
  ensureApplication();
  ShownPreview shown;
  preview::Form2& form = shown.form;
  for (auto _ : state) {
    form.PushButton2_Click();  // Zoom Out
    benchmark::DoNotOptimize(paintedViewport(form).constBits());
    state.PauseTiming();
    form.PushButton1_Click();  // back in, for the next step
    state.ResumeTiming();
  }
  state.counters["canvas_width_px"] = form.View()->drawnSize().width();
}
// Qt scales large pictures on worker threads: compare wall times.
BENCHMARK(BM_ZoomStep)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ScrollStep(benchmark::State& state) {
  ensureApplication();
  ShownPreview shown;
  QScrollBar& bar = *shown.form.View()->verticalScrollBar();
  for (auto _ : state) {
    const int next = bar.value() + bar.singleStep();
    bar.setValue(next > bar.maximum() ? 0 : next);
    benchmark::DoNotOptimize(paintedViewport(shown.form).constBits());
  }
}
BENCHMARK(BM_ScrollStep)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_GenerateToPreview(benchmark::State& state) {
  ensureApplication();
  Desktop desktop;
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<shell::Form1>();
    form->setSiteDrawForTesting([] { return 1; });
    form->Form_Load();
    for (int day = 1; day <= 7; ++day) form->setCheckValue(day, 1);
    form->setComboIndex(1, 3);
    form->setComboIndex(2, 19);
    form->show();
    state.ResumeTiming();
    form->PushButton22_Click();
    if (!form->Form2() || !form->Form2()->isVisible()) state.SkipWithError("no preview shown");
    benchmark::DoNotOptimize(paintedViewport(*form->Form2()).constBits());
    state.PauseTiming();
    form.reset();
    for (const QString& f : QDir(desktop.temp.path()).entryList(QDir::Files))
      QFile::remove(desktop.temp.filePath(f));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_GenerateToPreview)->Arg(1)->Unit(benchmark::kMillisecond);

// The hand-over through a file, as the desktop driver once did between the
// snapshot and the preview: the largest picture written as "temp.bmp", read
// back and deleted. The driver now hands the picture over in memory.
void BM_PictureHandOverFile(benchmark::State& state) {
  ensureApplication();
  const QImage picture = largestPicture();
  QTemporaryDir dir;
  const QString path = dir.filePath("temp.bmp");
  for (auto _ : state) {
    spreadsheet::picture::writePictureFile(picture, path.toStdString());
    benchmark::DoNotOptimize(QImage(path).constBits());
    QFile::remove(path);
  }
}
BENCHMARK(BM_PictureHandOverFile)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
