// The sheet's picture and page as files, for callers without a window (the
// command line): apart from the desktop's reported steps, so that a program
// that only draws needs no dialogs and no widget toolkit.
#include <optional>

#include "automation/clipboard_sheet_picture.h"
#include "automation/excel1.h"
#include "platform/clipboard_picture.h"
#include "spreadsheet/api/application.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/page_pdf.h"
#include "spreadsheet/picture/picture_file.h"

namespace automation {

QImage clipboardSheetPicture() {
  std::optional<QImage> picture = platform::GetClipboardPicture(platform::kAnyPictureFormat);
  if (!picture) throw spreadsheet::Error("Invalid picture");
  return *picture;
}

void SaveUsedRangePicture(const spreadsheet::api::Workbook& book, const std::string& path) {
  if (!book.ActiveSheet().model().usedRange()) throw spreadsheet::Error("the sheet is empty");
  book.ActiveSheet().UsedRange().CopyPicture();
  // Taken off the clipboard before writing: this picture is the only copy kept.
  QImage picture = clipboardSheetPicture();
  platform::ClearClipboardPicture();
  spreadsheet::picture::writePictureFile(picture, path);
}

void SavePagePdf(const spreadsheet::api::Worksheet& sheet, const std::string& path) {
  spreadsheet::picture::savePagePdf(sheet.model(), path);
}

}  // namespace automation
