#include "preview/save_format.h"

#include <QCoreApplication>
#include <QFile>
#include <string>

#include "automation/save_result.h"
#include "preview/printed_outputs.h"
#include "spreadsheet/formats/workbook_format.h"

namespace preview {

QString SaveDialogFilter() {
  QString filter;
  for (const spreadsheet::formats::FormatEntry& e : spreadsheet::formats::AllFormats()) {
    const QString pattern =
        "*" + QString::fromUtf8(e.ending.data(), static_cast<int>(e.ending.size()));
    // The descriptions' translations are kept by hand in tables_*.ts.
    filter += QCoreApplication::translate("SaveFormat", std::string(e.description).c_str()) + " (" +
              pattern + ")|" + pattern + "|";
  }
  return filter + PrintedOutputFilter();
}

void SaveGeneratedWorkbook(const QString& generated, const QString& chosen) {
  if (IsPrintedOutput(chosen)) return SavePrintedOutput(generated, chosen);
  automation::SaveGeneratedWorkbook(QFile::encodeName(generated).toStdString(),
                                    QFile::encodeName(chosen).toStdString());
}

}  // namespace preview
