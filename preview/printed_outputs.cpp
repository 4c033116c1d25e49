#include "preview/printed_outputs.h"

#include <QFileInfo>
#include <stdexcept>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/page_pdf.h"
#include "spreadsheet/picture/picture_file.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"

namespace preview {

namespace {

bool endsWith(const QString& chosen, const char* ending) {
  const QString name = QFileInfo(chosen).fileName();
  return name.size() > 4 && name.endsWith(QLatin1String(ending), Qt::CaseInsensitive);
}

}  // namespace

QString PrintedOutputFilter() {
  return "PDF page (*.pdf)|*.pdf|PNG picture (*.png)|*.png|";
}

bool IsPrintedOutput(const QString& chosen) {
  return endsWith(chosen, ".pdf") || endsWith(chosen, ".png");
}

void SavePrintedOutput(const QString& generated, const QString& chosen) {
  if (!QFileInfo::exists(generated)) throw std::runtime_error("File not found");
  // The saved workbook read back, as the command line reads it: the page and
  // the picture show what the workbook holds.
  const auto book = spreadsheet::xls::openWorkbook(generated.toStdString());
  if (book->sheetCount() == 0) throw spreadsheet::Error("The workbook has no sheet.");
  const spreadsheet::Worksheet& sheet = book->sheet(0);
  if (endsWith(chosen, ".pdf"))
    return spreadsheet::picture::savePagePdf(sheet, chosen.toStdString());
  const auto used = sheet.usedRange();
  if (!used) throw spreadsheet::Error("The sheet is empty.");
  spreadsheet::picture::writePictureFile(spreadsheet::picture::renderRange(sheet, *used),
                                         chosen.toStdString());
}

}  // namespace preview
