#include "generator/generate_report.h"

#include <QDateTime>

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
#include "spreadsheet/model/error.h"

namespace generator {

namespace api = spreadsheet::api;

const char* const kNoColumnsMessage =
    "There are no columns in the time sheet template.\r\n"
    "You turned off all columns of the time sheet template.\r\n";

namespace {

constexpr int kNameDigits = 8;

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

using spreadsheet::require;

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
  Generation generation{ExcelApp()};
  std::shared_ptr<api::Application> pictureApp;
  std::optional<api::Workbook> pictureBook;
  std::shared_ptr<const spreadsheet::picture::PictureSource> picture;
};

// 100 to 112: false when no day is chosen (the user has been told).
bool someDayChosen(Run& run) {
  int daysOff = 0;
  run.steps.step(100, [&] { daysOff = 0; });
  run.steps.step(102, [&] { CollectChoices(run.windows.choiceControls()); });
  for (int j = 1; j <= kDayCount; ++j)
    run.steps.step(106,
                   [&] { daysOff += DayChoices().at(static_cast<std::size_t>(j - 1)) ? 0 : 1; });
  if (run.steps.test(110, [&] { return kDayCount - daysOff < DaysOption().atLeast; })) {
    run.steps.step(112, [] {
      platform::dialogs().message(kNoColumnsMessage, platform::applicationTitle(),
                                  platform::MessageButtons::Ok, platform::MessageIcon::None);
    });
    return false;
  }
  return true;
}

// 164 to 178: a fresh random name in the temporary folder.
void nameWorkbook(Run& run) {
  auto& s = run.steps;
  for (;;) {
    QString name;
    s.step(164, [&] { name = "vorlan"; });
    for (int k = 0; k < kNameDigits; ++k)
      s.step(170, [&] { name += QString::number(nextNameDigit()); });
    s.step(176, [&] { run.workbookPath = run.temporaryFolder + "/" + name + ".xls"; });
    if (!s.test(178, [&] { return platform::FileOrFolderExists(run.workbookPath); })) break;
  }
  run.generation.workbookPath = run.workbookPath.toStdString();
}

// 190 to 204: a second instance takes the picture of the saved sheet.
void takePicture(Run& run) {
  auto& s = run.steps;
  s.step(190, [&] { run.pictureApp = automation::OpenInNewExcel(run.workbookPath.toStdString()); });
  s.step(192, [&] { run.windows.setMainWindowBusy(true); });
  s.step(194, [&] {
    api::Workbooks books = require(run.pictureApp).Workbooks();
    run.pictureBook = books.Item(books.Count());
  });
  // The picture goes to the preview in memory: written out it was a 75 MB file
  // that only the preview read back, and it took half the time of the click.
  s.step(196, [&] { run.picture = automation::takeCellsActivesheet(require(run.pictureBook)); });
  s.step(198, [&] { require(run.pictureApp).setDisplayAlerts(false); });
  s.step(200, [&] { require(run.pictureBook).Close(); });
  s.step(202, [&] { require(run.pictureApp).Quit(); });
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
  Generation& g = run.generation;
  g.templatePath = run.templatePath.toStdString();
  g.claimWorkbookName = true;  // the temporary folder is shared
  g.startDay = startDay;
  g.choices = [&] { return CurrentLayoutChoices(windows.choiceControls()); };
  RunSteps(BuildSteps(), g, &run.steps);
  nameWorkbook(run);
  RunSteps(SaveSteps(), g, &run.steps);
  takePicture(run);
  handOver(run);
}

void setNameDigitSourceForTesting(std::function<int()> source) {
  digitSource() = std::move(source);
}

}  // namespace generator
