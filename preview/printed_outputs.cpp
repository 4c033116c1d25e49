#include "preview/printed_outputs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "automation/excel1.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/html/html_sheet.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"

namespace preview {

namespace {

bool endsWith(const QString& chosen, const char* ending) {
  const QString name = QFileInfo(chosen).fileName();
  const QLatin1String suffix(ending);
  return name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive);
}

}  // namespace

QString PrintedOutputFilter() {
  return QCoreApplication::translate("SaveFormat", "PDF page") + " (*.pdf)|*.pdf|" +
         QCoreApplication::translate("SaveFormat", "PNG picture") + " (*.png)|*.png|" +
         QCoreApplication::translate("SaveFormat", "Web page") + " (*.html)|*.html|";
}

bool IsPrintedOutput(const QString& chosen) {
  return endsWith(chosen, ".pdf") || endsWith(chosen, ".png") || endsWith(chosen, ".html");
}

void SavePrintedOutput(const QString& generated, const QString& chosen) {
  if (!QFileInfo::exists(generated)) throw std::runtime_error("File not found");
  // The saved workbook opened in an instance of its own, as the command line
  // reads it: the page and the picture show what the workbook holds.
  std::shared_ptr<spreadsheet::api::Application> app;
  const automation::QuitOnExit quit(app);
  app = automation::OpenInNewExcel(QFile::encodeName(generated).toStdString());
  const spreadsheet::api::Workbook book = app->ActiveWorkbook();
  if (book.Sheets().Count() == 0) throw spreadsheet::Error("The workbook has no sheet.");
  const std::string path = QFile::encodeName(chosen).toStdString();
  if (endsWith(chosen, ".pdf")) return automation::SavePagePdf(book.Sheets().Item(1), path);
  if (endsWith(chosen, ".html")) {
    const std::string page = spreadsheet::html::htmlPage(book.model());
    return spreadsheet::io::writeWholeFile(
        path, {reinterpret_cast<const std::uint8_t*>(page.data()), page.size()});
  }
  automation::SaveUsedRangePicture(book, path);
}

}  // namespace preview
