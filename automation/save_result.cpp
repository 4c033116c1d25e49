#include "automation/save_result.h"

#include <sys/stat.h>

#include <stdexcept>

#include "automation/excel1.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/formats/workbook_format.h"
#include "spreadsheet/io/whole_file.h"

namespace automation {

namespace {

bool isOrdinaryFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

void SaveGeneratedWorkbook(const std::string& generated, const std::string& target) {
  using spreadsheet::formats::WorkbookFormat;
  if (!isOrdinaryFile(generated)) throw std::runtime_error("File not found");
  const auto format = spreadsheet::formats::FormatForPath(target);
  if (!format || *format == WorkbookFormat::Xls)
    return spreadsheet::io::copyWholeFile(generated, target);
  const auto app = OpenInNewExcel(generated);
  QuitOnExit quit(app);
  // The first day's name tells the sheet's language, whose day names the
  // Basic macro looks for.
  auto book = app->ActiveWorkbook();
  const auto language = generator::SheetLanguageOfDayName(app->Range("E9").Value().toText());
  book.SaveAs(target, spreadsheet::formats::SaveAsCode(*format),
              TemplateBasicModules({language.value_or(generator::SheetLanguage::English),
                                    book.ActiveSheet().ProtectContents()}));
}

}  // namespace automation
