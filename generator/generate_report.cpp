#include "generator/generate_report.h"

#include <QDateTime>
#include <QFile>

#include <optional>
#include <random>

#include "automation/excel1.h"
#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "platform/add_folder.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/folders.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"

namespace generator {

namespace api = spreadsheet::api;
namespace xl = spreadsheet::xl;

const char* const kNoColumnsMessage =
    "There are no columns in Time Sheet Templet.\r\n"
    "You turn off all columns of Time Sheet Templet.\r\n";

namespace {

constexpr int kNameDigits = 8;
constexpr int kDisableCancelKey = 0;
constexpr int kInterruptCancelKey = 1;

std::function<int()>& digitSource() {
  static std::function<int()> source;
  return source;
}

// One digit 1..9. Seeded once from the clock: reseeding per digit from a
// coarse timer tends to give eight equal digits.
int nextNameDigit() {
  if (digitSource()) return digitSource()();
  static std::mt19937 generator(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
  return std::uniform_int_distribution<int>(1, 9)(generator);
}

template <typename T>
T& require(std::optional<T>& object) {
  if (!object) throw spreadsheet::Error("Object variable or With block variable not set");
  return *object;
}

// The run's state between its steps.
struct Run {
  explicit Run(ReportWindows& w)
      : windows(w), steps(platform::locationText("TimeSheet", "GenerateReport0")) {}
  ReportWindows& windows;
  platform::StepRunner steps;
  QString temporaryFolder = platform::TemporaryFolder();
  QString templatePath = temporaryFolder + "/template.xls";
  QString picturePath = temporaryFolder + "/temp.bmp";
  QString workbookPath;
  std::vector<unsigned char> templateBytes;
  std::optional<api::Workbook> templateBook;
  std::shared_ptr<api::Application> pictureApp;
  std::optional<api::Workbook> pictureBook;
  QImage picture;
};

// 100 to 112: false when no day is chosen (the user has been told).
bool someDayChosen(Run& run) {
  int daysOff = 0;
  run.steps.step(100, [&] { daysOff = 0; });
  run.steps.step(102, [&] { CollectChoices(run.windows.choiceControls()); });
  for (int j = 1; j <= kDayCount; ++j)
    run.steps.step(106,
                   [&] { daysOff += DayChoices().at(static_cast<std::size_t>(j - 1)) ? 0 : 1; });
  if (run.steps.test(110, [&] { return daysOff == kDayCount; })) {
    run.steps.step(112, [] {
      platform::dialogs().message(kNoColumnsMessage, platform::applicationTitle(),
                                  platform::MessageButtons::Ok, platform::MessageIcon::None);
    });
    return false;
  }
  return true;
}

// 114 to 140: a hidden instance with the template open, reduced to one sheet.
void openTemplate(Run& run) {
  auto& s = run.steps;
  s.step(114, [] { StartExcel(); });
  s.step(116, [] { RequireExcelApp().setVisible(false); });
  s.step(118, [] { RequireExcelApp().setScreenUpdating(false); });
  s.step(120, [] { RequireExcelApp().setDisplayAlerts(false); });
  s.step(122, [] { RequireExcelApp().setEnableEvents(false); });
  s.step(124, [] { RequireExcelApp().setEnableCancelKey(kDisableCancelKey); });
  s.step(126, [] { RequireExcelApp().setCursor(xl::CursorWait); });
  s.step(128, [&] { run.templateBytes = TemplateBytes(); });
  s.step(130, [&] {
    // A stale template.xls (or a link someone placed under its name in the
    // shared folder) is removed and the name taken as a new file of our own:
    // the write below never shortens a file and must not follow a link.
    platform::ClaimTemporaryFile(run.templatePath);
    const auto* data = reinterpret_cast<const char*>(run.templateBytes.data());
    platform::WriteBytesToFile(QByteArray(data, qsizetype(run.templateBytes.size())),
                               run.templatePath);
  });
  s.step(132, [&] { RequireExcelApp().Workbooks().Open(run.templatePath.toStdString()); });
  s.step(134, [&] { run.templateBook = RequireExcelApp().ActiveWorkbook(); });
  int sheetCount = 0;
  s.step(136, [&] { sheetCount = RequireExcelApp().Sheets().Count(); });
  for (int k = 1; k < sheetCount; ++k)
    s.step(138, [] { RequireExcelApp().Sheets().Item(2).Delete(); });
  s.step(140, [] {
    api::Sheets sheets = RequireExcelApp().Sheets();
    sheets.Item(sheets.Count()).setName("TimeSheet");
  });
}

// 142 to 162: the layout, the buttons, the start cells, the settings restored.
void layOut(Run& run, int startDay) {
  auto& s = run.steps;
  std::optional<SheetGeometry> sheet;
  s.step(142, [&] {
    sheet = BuildSheetLayout(RequireExcelApp(), startDay,
                             CurrentLayoutChoices(run.windows.choiceControls()));
  });
  int lastColumn = 1;
  // No layout, no day columns to put buttons over.
  s.step(144, [&] { lastColumn = sheet ? sheet->dayColumnCount() : 0; });
  for (int i = 2; i <= lastColumn; ++i)
    s.step(146, [&] { AddSameAsPreviousButton(RequireExcelApp(), i); });
  s.step(148, [] { RequireExcelApp().Range("E11").Select(); });
  s.step(150, [] { RequireExcelApp().Sheets().Item(1).Select(); });
  s.step(152, [] { RequireExcelApp().Range("C1").Select(); });
  s.step(154, [] { RequireExcelApp().setCursor(xl::CursorDefault); });
  s.step(156, [] { RequireExcelApp().setScreenUpdating(true); });
  s.step(158, [] { RequireExcelApp().setDisplayAlerts(true); });
  s.step(160, [] { RequireExcelApp().setEnableEvents(true); });
  s.step(162, [] { RequireExcelApp().setEnableCancelKey(kInterruptCancelKey); });
}

// 164 to 188: a fresh random name in the temporary folder, the save, the end
// of the building instance.
void saveWorkbook(Run& run) {
  auto& s = run.steps;
  for (;;) {
    QString name;
    s.step(164, [&] { name = "vorlan"; });
    for (int k = 0; k < kNameDigits; ++k)
      s.step(170, [&] { name += QString::number(nextNameDigit()); });
    s.step(176, [&] { run.workbookPath = run.temporaryFolder + "/" + name + ".xls"; });
    if (!s.test(178, [&] { return platform::FileOrFolderExists(run.workbookPath); })) break;
  }
  s.step(180, [&] {
    api::Workbook& book = require(run.templateBook);
    platform::ClaimTemporaryFile(run.workbookPath);  // a link under the name is not followed
    try {
      book.SaveAs(run.workbookPath.toStdString(), automation::SaveFormatFor(ExcelApp()));
    } catch (...) {
      QFile::remove(run.workbookPath);  // no empty workbook left for the preview
      throw;
    }
  });
  s.step(182, [] { RequireExcelApp().setDisplayAlerts(false); });
  s.step(184, [&] { require(run.templateBook).Close(); });
  s.step(186, [] { RequireExcelApp().Quit(); });
  s.step(188, [] { ReleaseExcel(); });
}

// 190 to 204: a second instance takes the picture of the saved sheet.
void takePicture(Run& run) {
  auto& s = run.steps;
  s.step(190, [&] { run.pictureApp = automation::OpenInNewExcel(run.workbookPath.toStdString()); });
  s.step(192, [&] { run.windows.setMainWindowBusy(true); });
  s.step(194, [&] {
    if (!run.pictureApp) throw spreadsheet::Error("Object variable or With block variable not set");
    api::Workbooks books = run.pictureApp->Workbooks();
    run.pictureBook = books.Item(books.Count());
  });
  // The picture goes to the preview in memory: written out it was a 75 MB file
  // that only the preview read back, and it took half the time of the click.
  s.step(196, [&] { run.picture = automation::takeCellsActivesheet(require(run.pictureBook)); });
  s.step(198, [&] {
    if (!run.pictureApp) throw spreadsheet::Error("Object variable or With block variable not set");
    run.pictureApp->setDisplayAlerts(false);
  });
  s.step(200, [&] { require(run.pictureBook).Close(); });
  s.step(202, [&] {
    if (!run.pictureApp) throw spreadsheet::Error("Object variable or With block variable not set");
    run.pictureApp->Quit();
  });
  s.step(204, [&] { run.windows.setMainWindowBusy(false); });
}

// 206 to 216: the preview takes over; the temporary files go.
void handOver(Run& run) {
  auto& s = run.steps;
  s.step(206, [&] { run.windows.setPreviewPicture(run.picture); });
  s.step(208, [&] { run.windows.setPreviewExcelFile(run.workbookPath); });
  s.step(210, [&] { run.windows.showPreview(); });
  s.step(212, [&] { run.windows.hideMainWindow(); });
  // The hand-over name is still cleared: a picture file left there by an
  // earlier version, or anything placed under that name, does not stay.
  s.step(214, [&] { platform::DeleteFileQuietly(run.picturePath); });
  s.step(216, [&] { platform::DeleteFileQuietly(run.templatePath); });
}

}  // namespace

void GenerateReport0(int startDay, ReportWindows& windows) {
  Run run(windows);
  if (!someDayChosen(run)) return;
  openTemplate(run);
  layOut(run, startDay);
  saveWorkbook(run);
  takePicture(run);
  handOver(run);
}

void setNameDigitSourceForTesting(std::function<int()> source) {
  digitSource() = std::move(source);
}

}  // namespace generator
