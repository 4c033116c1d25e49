// The picture of the sheet, apart from the instances: only programs that draw
// link the picture library (and Qt Gui) through it.
#include <optional>

#include "automation/clipboard_sheet_picture.h"
#include "automation/excel1.h"
#include "platform/error_report.h"
#include "spreadsheet/api/application.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/picture_file.h"
#include "spreadsheet/picture/picture_source.h"

namespace automation {

namespace api = spreadsheet::api;
using spreadsheet::require;

namespace {

// Steps 100 to 106 of the snapshot: whether the used range of the active sheet
// ends below row 1 and right of column A, so that there is a picture to take.
bool sheetToPicture(platform::StepRunner& run, const api::Workbook& book,
                    std::optional<api::Worksheet>& sheet) {
  int lastRow = 0;
  int lastColumn = 0;
  run.step(100, [&] { sheet = book.ActiveSheet(); });
  run.step(102, [&] {
    api::Range rows = require(sheet).UsedRange().Rows();
    lastRow = rows.Item(static_cast<int>(rows.Count())).Row();
  });
  run.step(104, [&] {
    api::Range columns = require(sheet).UsedRange().Columns();
    lastColumn = columns.Item(static_cast<int>(columns.Count())).Column();
  });
  return run.test(106, [&] { return lastRow > 1 && lastColumn > 1; });
}

// Step 110: the used range put on the clipboard as a picture.
bool copyUsedRangePicture(platform::StepRunner& run, const api::Workbook& book) {
  std::optional<api::Worksheet> sheet;
  if (!sheetToPicture(run, book, sheet)) return false;
  run.step(110, [&] { require(sheet).UsedRange().CopyPicture(); });
  return true;
}

}  // namespace

void saveCellsActivesheet(const api::Workbook& book, const QString& path) {
  platform::StepRunner run(platform::locationText("Excel1", "saveCellsActivesheet"));
  if (!copyUsedRangePicture(run, book)) return;
  run.step(112, [&] {
    if (!spreadsheet::picture::savePicture(clipboardSheetPicture(), path.toStdString()))
      throw spreadsheet::Error("Path/File access error");
  });
}

std::shared_ptr<const spreadsheet::picture::PictureSource> takeCellsActivesheet(
    const api::Workbook& book) {
  platform::StepRunner run(platform::locationText("Excel1", "saveCellsActivesheet"));
  std::shared_ptr<const spreadsheet::picture::PictureSource> picture;
  std::optional<api::Worksheet> sheet;
  if (sheetToPicture(run, book, sheet))
    run.step(110, [&] { picture = require(sheet).UsedRange().PictureSource(); });
  return picture;
}

}  // namespace automation
