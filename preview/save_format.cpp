#include "preview/save_format.h"

#include <QFileInfo>
#include <stdexcept>

#include "preview/printed_outputs.h"
#include "preview/replace_file.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/formats/save_workbook.h"
#include "spreadsheet/formats/workbook_format.h"

namespace preview {

QString SaveDialogFilter() {
  QString filter;
  for (const spreadsheet::formats::FormatEntry& e : spreadsheet::formats::AllFormats()) {
    const QString pattern =
        "*" + QString::fromUtf8(e.ending.data(), static_cast<int>(e.ending.size()));
    filter += QString::fromUtf8(e.description.data(), static_cast<int>(e.description.size())) +
              " (" + pattern + ")|" + pattern + "|";
  }
  return filter + PrintedOutputFilter();
}

void SaveGeneratedWorkbook(const QString& generated, const QString& chosen) {
  if (IsPrintedOutput(chosen)) return SavePrintedOutput(generated, chosen);
  using spreadsheet::formats::WorkbookFormat;
  const auto format = spreadsheet::formats::FormatForPath(chosen.toStdString());
  if (!format || *format == WorkbookFormat::Xls) return ReplaceWithCopy(generated, chosen);
  if (!QFileInfo::exists(generated)) throw std::runtime_error("File not found");
  spreadsheet::formats::ConvertWorkbookFile(generated.toStdString(), chosen.toStdString(), *format,
                                            TemplateBasicModules());
}

}  // namespace preview
